#include "framework/Canvas.h"

#include "framework/DeviceContext.h"
#include "framework/Graphic.h"

#include <QPainter>

void TCanvas::StretchDraw(const QRect& Rect, TGraphic* Graphic)
{
    if (Graphic)
        Graphic->Draw(*this, Rect);
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (Graphic)
        Graphic->Draw(*this, QRect(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::DrawImage(const QRect& Rect, const QImage& Image)
{
    if (Image.isNull() || Rect.isEmpty())
        return;
    QPainter painter(&FHandle.Image());
    painter.drawImage(Rect, Image);
}
