#include "graphics/win/WinPen.h"

#include "graphics/GraphicsStroke.h"
#include "graphics/win/WinColor.h"

namespace KestGraphicsWin {

using namespace GdiplusFlat;
using KestGDIPlusClasses::TGPPen;

namespace {

void SetDash(TGPPen& pen, TKestGraphicsStrokeKind kind)
{
    switch (kind) {
    case gskNone:
        return;
    case gskSolid:
        pen.SetDashStyle(DashStyleSolid);
        return;
    case gskDash:
        pen.SetDashStyle(DashStyleDash);
        return;
    case gskDot:
        pen.SetDashStyle(DashStyleDot);
        return;
    case gskDashDot:
        pen.SetDashStyle(DashStyleDashDot);
        return;
    case gskDashDotDot:
        pen.SetDashStyle(DashStyleDashDotDot);
        return;
    }
}

}

std::unique_ptr<TGPPen> MakeWinPen(const TKestCustomGraphicsStroke& stroke)
{
    auto pen = std::make_unique<TGPPen>(WinColor(stroke.Color(), stroke.Opacity()), stroke.Width());
    SetDash(*pen, stroke.Kind());
    pen->SetLineCap(LineCapFlat, LineCapFlat, DashCapFlat);
    pen->SetLineJoin(LineJoinMiterClipped);
    pen->SetMiterLimit(4);
    return pen;
}

}
