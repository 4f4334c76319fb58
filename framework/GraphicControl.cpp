#include "framework/GraphicControl.h"

#include <QPainter>

TGraphicControl::TGraphicControl(TComponent* owner) : QWidget(nullptr), TControl(this, owner)
{
    // The parent's background shows through wherever the control paints nothing.
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
}

TGraphicControl::~TGraphicControl() { Destroying(); }

void TGraphicControl::Paint(QPainter&) {}

void TGraphicControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}
