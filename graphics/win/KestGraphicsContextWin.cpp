#include "graphics/win/KestGraphicsContextWin.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Rounding.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsPathWalk.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "graphics/win/WinMatrix.h"
#include "utils/KestUtils.h"

#include <vector>

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;
using namespace KestGraphicsWin;

namespace {

TKestGraphicsContextWinPath& WinPath(TKestGraphicsContextPath& path)
{
    return static_cast<TKestGraphicsContextWinPath&>(path);
}

TextRenderingHint RenderingHint(TKestGraphicsTextQuality quality)
{
    switch (quality) {
    case gtqAntiAliasing:
        return TextRenderingHintAntiAlias;
    case gtqClearType:
        return TextRenderingHintClearTypeGridFit;
    case gtqDefault:
        break;
    }
    return TextRenderingHintSystemDefault;
}

}

TKestGraphicsContextWin::TKestGraphicsContextWin(TKestGraphics* graphics)
    : TKestGraphicsContext(graphics),
      FScale(float(TKestUtils::GetDPIScale(nullptr, -1))),
      FFont(std::make_unique<TKestGraphicsFont>()),
      FFill(std::make_unique<TKestGraphicsFill>(gfkSolid, 0xFFFFFF)),
      FStroke(std::make_unique<TKestGraphicsStroke>(gskSolid, 0xC0C0C0)),
      FGPStringFormat(std::make_unique<TGPStringFormat>())
{
    // The platform objects follow their copies, rebuilt when next needed.
    FFont->OnChanged = [this](QObject*) { FGPFont.reset(); };
    FStroke->OnChanged = [this](QObject*) { FGPPen.reset(); };
    FFill->OnChanged = [this](QObject*) { FGPBrush.reset(); };
    FDefaultTrimming = FGPStringFormat->GetTrimming();
}

TKestGraphicsContextWin::~TKestGraphicsContextWin() { Render(); }

std::unique_ptr<TKestGraphicsContext> TKestGraphicsContextWin::Create(TKestGraphics* graphics)
{
    return std::make_unique<TKestGraphicsContextWin>(graphics);
}

void* TKestGraphicsContextWin::GetNativeCanvas() { return FGPGraphics.get(); }

std::unique_ptr<TKestGraphicsContextPath> TKestGraphicsContextWin::CreatePath()
{
    return std::make_unique<TKestGraphicsContextWinPath>();
}

TColor TKestGraphicsContextWin::GetFillColor() { return Graphics() ? Graphics()->Fill()->Color() : FFill->Color(); }

// Scene and surface.

void TKestGraphicsContextWin::SetSize(float width, float height)
{
    FContextSize = TSizeF(width, height);
    ReleaseSurface();
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    auto surface = std::make_unique<TGPGraphics>(canvas->Handle());
    if (!surface->Native())
        return;
    FGPGraphics = std::move(surface);
    FPixelRatio = float(canvas->Handle().DevicePixelRatio());
    FNeedsRendering = true;
    FSaveGP = FGPGraphics->Save();
    ApplyAntiAliasing();
    ApplyTextQuality();
}

void TKestGraphicsContextWin::ReleaseSurface()
{
    if (!FGPGraphics)
        return;
    FGPGraphics->Restore(FSaveGP);
    FTextMatrix.reset();
    FGPGraphics.reset();
}

void TKestGraphicsContextWin::Render()
{
    FNeedsRendering = false;
    ReleaseSurface();
}

void TKestGraphicsContextWin::BeginScene() {}

void TKestGraphicsContextWin::EndScene()
{
    if (FGPGraphics)
        Render();
}

void TKestGraphicsContextWin::BeginPrinting() {}
void TKestGraphicsContextWin::EndPrinting() {}
void TKestGraphicsContextWin::StartSpecialPen() {}
void TKestGraphicsContextWin::StopSpecialPen() {}

void TKestGraphicsContextWin::SetScale(float scale) { FScale = scale; }

void TKestGraphicsContextWin::SetShowAcceleratorChar(bool showAcceleratorChar)
{
    FShowAcceleratorChar = showAcceleratorChar;
}

// Modes of the base state.

void TKestGraphicsContextWin::ChangeBaseState(const std::function<void()>& change)
{
    if (!FGPGraphics)
        return;
    FGPGraphics->Restore(FSaveGP);
    change();
    FSaveGP = FGPGraphics->Save();
}

void TKestGraphicsContextWin::ApplyAntiAliasing()
{
    if (FAntiAliasing)
        ChangeBaseState([this] { FGPGraphics->SetSmoothingMode(*FAntiAliasing ? SmoothingModeAntiAlias : 0); });
}

void TKestGraphicsContextWin::ApplyTextQuality()
{
    if (FTextQuality)
        ChangeBaseState([this] { FGPGraphics->SetTextRenderingHint(RenderingHint(*FTextQuality)); });
}

void TKestGraphicsContextWin::SetAntiAliasing(bool antiAliasing)
{
    FAntiAliasing = antiAliasing;
    ApplyAntiAliasing();
}

void TKestGraphicsContextWin::SetTextQuality(TKestGraphicsTextQuality textQuality)
{
    FTextQuality = textQuality;
    ApplyTextQuality();
}

// Saved states, transforms and clipping.

void TKestGraphicsContextWin::SaveState(TKestGraphicsSaveState& state)
{
    if (FGPGraphics)
        state.SetCustomSaveDC(FGPGraphics->Save());
}

void TKestGraphicsContextWin::RestoreState(TKestGraphicsSaveState& state)
{
    if (FGPGraphics)
        FGPGraphics->Restore(GraphicsState(state.CustomSaveDC()));
}

void TKestGraphicsContextWin::ResetTransform()
{
    ChangeBaseState([] {});
}

void TKestGraphicsContextWin::ScaleTransform(float x, float y)
{
    if (FGPGraphics)
        FGPGraphics->ScaleTransform(x, y, MatrixOrderPrepend);
}

void TKestGraphicsContextWin::RotateTransform(float angle)
{
    if (FGPGraphics)
        FGPGraphics->RotateTransform(angle, MatrixOrderPrepend);
}

void TKestGraphicsContextWin::TranslateTransform(float x, float y)
{
    if (FGPGraphics)
        FGPGraphics->TranslateTransform(x, y, MatrixOrderPrepend);
}

TKestGraphicsMatrix TKestGraphicsContextWin::GetMatrix()
{
    if (!FGPGraphics)
        return TKestGraphicsMatrix::Identity();
    TGPMatrix transform;
    FGPGraphics->GetTransform(&transform);
    if (FPixelRatio != 1)
        transform.Scale(1 / FPixelRatio, 1 / FPixelRatio, MatrixOrderAppend);
    return FromWinMatrix(transform);
}

void TKestGraphicsContextWin::SetMatrix(const TKestGraphicsMatrix& matrix)
{
    if (!FGPGraphics)
        return;
    const auto transform = ToWinMatrix(matrix);
    if (FPixelRatio != 1)
        transform->Scale(FPixelRatio, FPixelRatio, MatrixOrderAppend);
    FGPGraphics->SetTransform(transform.get());
}

void TKestGraphicsContextWin::ClipRect(const TRectF& rect)
{
    if (FGPGraphics)
        FGPGraphics->SetClip(TGPRectF{rect.Left, rect.Top, rect.Width(), rect.Height()}, CombineModeReplace);
}

void TKestGraphicsContextWin::ClipPath(TKestGraphicsPath* path)
{
    if (!FGPGraphics || !path)
        return;
    const auto clip = ConvertToPath(*path, 0.25f);
    FGPGraphics->SetClip(&WinPath(*clip).Path, CombineModeReplace);
}

void TKestGraphicsContextWin::ResetClip()
{
    if (FGPGraphics)
        FGPGraphics->ResetClip();
}

// Platform paths.

void TKestGraphicsContextWin::PathOpen(TKestGraphicsContextPath& path)
{
    WinPath(path).Path.StartFigure();
    WinPath(path).Outline.BeginFigure();
}

void TKestGraphicsContextWin::PathMoveTo(TKestGraphicsContextPath&, const TPointF& point) { FMovePoint = point; }

void TKestGraphicsContextWin::PathLineTo(TKestGraphicsContextPath& path, const TPointF& point)
{
    WinPath(path).Path.AddLine(FMovePoint.X, FMovePoint.Y, point.X, point.Y);
    WinPath(path).Outline.AddSide({FMovePoint.X, FMovePoint.Y}, {point.X, point.Y});
    FMovePoint = point;
}

// A curve goes in as as many straight pieces as keep it within a twentieth
// of a pixel of the true curve, never more than the walk's steps give. The
// steps of a quarter pixel make thousands of pieces on a large curve, which
// the library's stroke joins one by one; the curve itself cannot go in as
// it is, since the library strokes the ends of a curve along its control
// points, which a nearly coincident control point turns sideways.
void TKestGraphicsContextWin::PathCurveTo(TKestGraphicsContextPath& path, const TKestGraphicsPathCubicBezier& curve,
                                          int pointCount)
{
    pointCount = KestPathWalk::CurvePointCountWithin(curve, 0.05, pointCount);
    if (pointCount <= 1) {
        TKestGraphicsContext::PathCurveTo(path, curve, pointCount);
        return;
    }
    std::vector<TGPPointF> points;
    points.reserve(size_t(pointCount));
    KestPathWalk::ForEachBezierPoint(curve, pointCount, [&](const TPointF& p) { points.push_back({p.X, p.Y}); });
    TKestGraphicsContextWinPath& winPath = WinPath(path);
    winPath.Path.AddLines(points.data(), int(points.size()));
    TGPPointF from{FMovePoint.X, FMovePoint.Y};
    for (const TGPPointF& to : points) {
        winPath.Outline.AddSide(from, to);
        from = to;
    }
    FMovePoint = curve[3];
}

void TKestGraphicsContextWin::PathClose(TKestGraphicsContextPath& path)
{
    WinPath(path).Path.CloseFigure();
    WinPath(path).Outline.BeginFigure();
}

// The copies of the canvas's state. They are kept also while no surface
// exists: a setter dropped then would leave the next surface drawing with
// what the canvas had before.

void TKestGraphicsContextWin::SetFont(TKestGraphicsFont* font)
{
    if (font)
        FFont->Assign(font);
}

void TKestGraphicsContextWin::SetFontSize(float size) { FFont->SetSize(Kest::Round(size)); }
void TKestGraphicsContextWin::SetFontColor(TColor color) { FFont->SetColor(color); }
void TKestGraphicsContextWin::SetFontName(const QString& name) { FFont->SetName(name); }
void TKestGraphicsContextWin::SetFontStyles(TFontStyles style) { FFont->SetStyle(style); }

void TKestGraphicsContextWin::SetFill(TKestGraphicsFill* fill)
{
    if (fill)
        FFill->Assign(fill);
}

void TKestGraphicsContextWin::SetFillKind(TKestGraphicsFillKind kind) { FFill->SetKind(kind); }
void TKestGraphicsContextWin::SetFillColor(TColor color) { FFill->SetColor(color); }

void TKestGraphicsContextWin::SetStroke(TKestGraphicsStroke* stroke)
{
    if (stroke)
        FStroke->Assign(stroke);
}

void TKestGraphicsContextWin::SetStrokeKind(TKestGraphicsStrokeKind kind) { FStroke->SetKind(kind); }
void TKestGraphicsContextWin::SetStrokeColor(TColor color) { FStroke->SetColor(color); }
void TKestGraphicsContextWin::SetStrokeWidth(float width) { FStroke->SetWidth(width); }
