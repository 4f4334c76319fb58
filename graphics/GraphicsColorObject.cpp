#include "graphics/GraphicsColorObject.h"

TKestGraphicsColorObject::TKestGraphicsColorObject(TColor color, QObject* parent) : QObject(parent), FColor(color) {}

TKestGraphicsColorObject::~TKestGraphicsColorObject() = default;
