// The canvas: creation, its back-end and owned bitmap, the state setters,
// saved states and the operations that only forward to the back-end.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"

#include <algorithm>
#include <cmath>

// The off-screen bitmap of a bitmap canvas: the pixels drawn on, their
// framework canvas, and the bitmap handed out with a copy of them. The
// pixels start transparent, so what is drawn keeps its own alpha (a white
// glyph stays white, a cut-out part of a picture keeps its transparency).
struct TKestGraphics::TBitmapSurface {
    TBitmapSurface(int width, int height)
        : Surface(std::max(width, 1), std::max(height, 1)), Canvas(Surface), Bitmap(std::make_unique<TBitmap>())
    {
    }
    TDeviceContext Surface;
    TCanvas Canvas;
    std::unique_ptr<TBitmap> Bitmap;
};

TKestGraphics::TKestGraphics(TCanvas* canvas, bool native) : FActiveCanvas(canvas), FNative(native)
{
    CreateContext(1, 1);
    CreateValueObjects();
    FHighlightColor = 0xFF0000;
    FHighlightTextColor = 0xFFFFFF;
    PushState();
}

TKestGraphics::TKestGraphics(int width, int height, bool native)
    : FNative(native), FBitmap(std::make_unique<TBitmapSurface>(width, height))
{
    FActiveCanvas = &FBitmap->Canvas;
    CreateContext(float(width), float(height));
    CreateValueObjects();
    PushState();
}

TKestGraphics::~TKestGraphics()
{
    // The back-end may still render into the canvas: it goes first.
    FContextNative.reset();
    FContextGeneral.reset();
    FFill->OnChanged = nullptr;
    FStroke->OnChanged = nullptr;
    FFont->OnChanged = nullptr;
}

std::unique_ptr<TKestGraphics> TKestGraphics::Create(TCanvas* canvas, bool native)
{
    return std::make_unique<TKestGraphics>(canvas, native);
}

std::unique_ptr<TKestGraphics> TKestGraphics::CreateNative(TCanvas* canvas) { return Create(canvas, true); }

std::unique_ptr<TKestGraphics> TKestGraphics::CreateBitmapCanvas(int width, int height, bool native, bool)
{
    return std::unique_ptr<TKestGraphics>(new TKestGraphics(width, height, native));
}

std::unique_ptr<TKestGraphics> TKestGraphics::CreateNativeBitmapCanvas(int width, int height)
{
    return CreateBitmapCanvas(width, height, true, true);
}

void TKestGraphics::CreateContext(float width, float height)
{
    const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
    TKestGraphicsContextClass make = FNative ? classes.Native : classes.General;
    if (!make)
        throw EInvalidOperation(FNative ? QStringLiteral("No native graphics back-end")
                                        : QStringLiteral("No general graphics back-end"));
    (FNative ? FContextNative : FContextGeneral) = make(this);
    Context()->SetSize(width, height);
}

void TKestGraphics::CreateValueObjects()
{
    FFill = std::make_unique<TKestGraphicsFill>(gfkSolid, 0xFFFFFF);
    FStroke = std::make_unique<TKestGraphicsStroke>(gskSolid, 0xC0C0C0);
    FFont = std::make_unique<TKestGraphicsFont>();
    FFill->OnChanged = [this](QObject*) { SetFill(FFill.get()); };
    FStroke->OnChanged = [this](QObject*) { SetStroke(FStroke.get()); };
    FFont->OnChanged = [this](QObject*) { SetFont(FFont.get()); };
}

void TKestGraphics::PushState()
{
    FURLColor = 0xFF0000;
    FURLUnderline = true;
    SetFill(FFill.get());
    SetStroke(FStroke.get());
    SetFont(FFont.get());
}

TBitmap* TKestGraphics::Bitmap() const
{
    if (!FBitmap)
        return nullptr;
    FBitmap->Bitmap->SetImage(FBitmap->Surface.Snapshot());
    return FBitmap->Bitmap.get();
}

QImage TKestGraphics::TakeImage(std::unique_ptr<TKestGraphics> canvas)
{
    if (!canvas || !canvas->FBitmap)
        return QImage();
    // The back-end goes first and the painter lets go, so the image below
    // shares the pixels instead of copying them (a copy of an image being
    // painted on is deep); once the surface is gone they are the caller's.
    std::unique_ptr<TBitmapSurface> surface = std::move(canvas->FBitmap);
    canvas.reset();
    surface->Canvas.Refresh();
    QImage pixels = surface->Surface.Image();
    surface.reset();
    return pixels;
}

// --- state ---

template <typename F>
void TKestGraphics::Guarded(F&& body)
{
    if (FBlockUpdate > 0)
        return;
    struct TGuard {
        int& Count;
        explicit TGuard(int& count) : Count(count) { ++Count; }
        ~TGuard() { --Count; }
    } guard(FBlockUpdate);
    body();
}

void TKestGraphics::SetFill(TKestGraphicsFill* fill)
{
    Guarded([&] {
        Context()->SetFill(fill);
        FFill->Assign(fill);
    });
}

void TKestGraphics::SetStroke(TKestGraphicsStroke* stroke)
{
    Guarded([&] {
        Context()->SetStroke(stroke);
        FStroke->Assign(stroke);
    });
}

void TKestGraphics::SetFont(TKestGraphicsFont* font)
{
    Guarded([&] {
        Context()->SetFont(font);
        FFont->AssignSource(font);
    });
}

void TKestGraphics::SetFillKind(TKestGraphicsFillKind kind)
{
    Guarded([&] {
        Context()->SetFillKind(kind);
        FFill->SetKind(kind);
    });
}

void TKestGraphics::SetFillColor(TColor color)
{
    Guarded([&] {
        Context()->SetFillColor(color);
        FFill->SetColor(color);
    });
}

void TKestGraphics::SetFontColor(TColor color)
{
    Guarded([&] {
        Context()->SetFontColor(color);
        FFont->SetColor(color);
    });
}

void TKestGraphics::SetFontName(const QString& name)
{
    Guarded([&] {
        Context()->SetFontName(name);
        FFont->SetName(name);
    });
}

void TKestGraphics::SetFontSize(float size)
{
    Guarded([&] {
        Context()->SetFontSize(size);
        // The font refuses sizes it cannot draw; keep the rounding defined.
        FFont->SetSize(int(std::lround(std::clamp(size, -1e9f, 1e9f))));
    });
}

void TKestGraphics::SetFontStyles(TFontStyles styles)
{
    Guarded([&] {
        Context()->SetFontStyles(styles);
        FFont->SetStyle(styles);
    });
}

void TKestGraphics::SetStrokeKind(TKestGraphicsStrokeKind kind)
{
    Guarded([&] {
        Context()->SetStrokeKind(kind);
        FStroke->SetKind(kind);
    });
}

void TKestGraphics::SetStrokeColor(TColor color)
{
    Guarded([&] {
        Context()->SetStrokeColor(color);
        FStroke->SetColor(color);
    });
}

void TKestGraphics::SetStrokeWidth(float width)
{
    Guarded([&] {
        Context()->SetStrokeWidth(width);
        FStroke->SetWidth(width);
    });
}

void TKestGraphics::Assign(TKestGraphics* source)
{
    if (!source || source == this)
        return;
    FFill->BeginUpdate();
    FFill->Assign(source->Fill());
    FFill->EndUpdate();
    FStroke->BeginUpdate();
    FStroke->Assign(source->Stroke());
    FStroke->EndUpdate();
    FFont->BeginUpdate();
    FFont->AssignSource(source->Font());
    FFont->EndUpdate();
}

std::unique_ptr<TKestGraphicsSaveState> TKestGraphics::SaveState(bool canvasOnly)
{
    auto state = std::make_unique<TKestGraphicsSaveState>();
    if (!canvasOnly) {
        state->SetFill(FFill.get());
        state->SetStroke(FStroke.get());
        state->SetFont(FFont.get());
    }
    Context()->SaveState(*state);
    return state;
}

void TKestGraphics::RestoreState(std::unique_ptr<TKestGraphicsSaveState> state, bool canvasOnly)
{
    if (!state)
        return;
    if (!canvasOnly) {
        SetFill(state->Fill());
        SetStroke(state->Stroke());
        SetFont(state->Font());
    }
    Context()->RestoreState(*state);
}

// --- scene and matrix: the back-end's ---

TKestGraphicsMatrix TKestGraphics::GetMatrix() { return Context()->GetMatrix(); }
void TKestGraphics::SetMatrix(const TKestGraphicsMatrix& matrix) { Context()->SetMatrix(matrix); }
void TKestGraphics::BeginPrinting() { Context()->BeginPrinting(); }
void TKestGraphics::EndPrinting() { Context()->EndPrinting(); }
void TKestGraphics::BeginScene() { Context()->BeginScene(); }
void TKestGraphics::EndScene() { Context()->EndScene(); }
void TKestGraphics::StartSpecialPen() { Context()->StartSpecialPen(); }
void TKestGraphics::StopSpecialPen() { Context()->StopSpecialPen(); }
void TKestGraphics::ClipRect(const TRectF& rect) { Context()->ClipRect(rect); }

void TKestGraphics::DrawFocusPath(TKestGraphicsPath* path, TColor color)
{
    Context()->DrawFocusPath(FStroke.get(), path, color);
}

void TKestGraphics::DrawFocusRectangle(const TRectF& rect, TColor color, TKestGraphicsModifyRectMode modifyRectMode)
{
    Context()->DrawFocusRectangle(FStroke.get(), rect, color, modifyRectMode);
}

// --- the back-end's owner ---

TCanvas* TKestGraphicsContext::Canvas() const { return FGraphics ? FGraphics->Canvas() : nullptr; }
