// A sample of what the canvas draws: a gradient box with a caption.

#include "graphics/KestGraphics.h"

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"

void TKestGraphics::DrawSample(TCanvas* canvas, const TRectF& rect)
{
    TKestGraphics graphics(canvas, false);
    graphics.Font()->SetName(QStringLiteral("Courier New"));
    graphics.Font()->SetSize(20);
    graphics.Font()->SetColor(clWhite);
    graphics.Fill()->SetKind(gfkGradient);
    graphics.Fill()->SetColor(0x008CFF);
    graphics.Fill()->SetColorTo(0xB48246);
    graphics.Stroke()->SetColor(0x8B0000);
    graphics.BeginScene();
    graphics.DrawRectangle(rect, gcrmShrinkAll);
    graphics.DrawText(rect, QStringLiteral("Sample"), false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, true);
    graphics.EndScene();
}
