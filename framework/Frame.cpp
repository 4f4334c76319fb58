#include "framework/Frame.h"

TFrame::TFrame(TComponent* owner) : QWidget(nullptr), TControl(this, owner) { resize(320, 240); }

TFrame::~TFrame() { Destroying(); }
