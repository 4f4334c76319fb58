#pragma once
// The back-end that draws through the run-time bound drawing library:
// anti-aliased shapes, gradients with stops, radial gradients, opacity,
// transforms and rotated text, straight onto the pixels of the canvas's
// device context.
//
// SetSize binds a drawing surface to the device context; EndScene (Render)
// releases it, and drawing does nothing until the next SetSize. The state
// pushed by the canvas (fill, stroke, font, anti-aliasing, text quality) is
// kept whether or not a surface exists, so a new surface draws with the
// state the canvas last set.

#include "graphics/KestGraphicsContext.h"

#include "gdiplus/classes/GPBrushes.h"
#include "gdiplus/classes/GPFonts.h"
#include "gdiplus/classes/GPGraphics.h"
#include "gdiplus/classes/GPMatrix.h"
#include "gdiplus/classes/GPPath.h"
#include "gdiplus/classes/GPPen.h"
#include "gdiplus/classes/GPStringFormat.h"
#include "graphics/win/WinPolygonOutline.h"

#include <functional>
#include <optional>

#pragma GCC visibility push(default)

namespace KestGraphicsWin {

// What a fill knows of its path's shape beyond the path, for filling it
// exactly without a clip: the rectangle along the axes it is, or its
// outline as one polygon.
struct TExactShape {
    const TRectF* Rectangle = nullptr;
    const std::vector<GdiplusFlat::TGPPointF>* Polygon = nullptr;
};

}

// A platform path of this back-end, with its outline as straight sides.
class TKestGraphicsContextWinPath : public TKestGraphicsContextPath {
public:
    KestGDIPlusClasses::TGPGraphicsPath Path{GdiplusFlat::FillModeAlternate};
    KestGraphicsWin::TWinPolygonOutline Outline;
};

class TKestGraphicsContextWin : public TKestGraphicsContext {
public:
    explicit TKestGraphicsContextWin(TKestGraphics* graphics);
    ~TKestGraphicsContextWin() override;
    // The entry of the table of back-end classes.
    static std::unique_ptr<TKestGraphicsContext> Create(TKestGraphics* graphics);

    void* GetNativeCanvas() override;
    std::unique_ptr<TKestGraphicsContextPath> CreatePath() override;
    TColor GetFillColor() override;
    TRectF CalculateText(const QString& text, const TRectF& rect, bool wordWrapping) override;
    TRectF SetTextAngle(const TRectF& rect, float angle) override;
    TKestGraphicsMatrix GetMatrix() override;
    void Render() override;
    void PathOpen(TKestGraphicsContextPath& path) override;
    void PathMoveTo(TKestGraphicsContextPath& path, const TPointF& point) override;
    void PathLineTo(TKestGraphicsContextPath& path, const TPointF& point) override;
    void PathCurveTo(TKestGraphicsContextPath& path, const TKestGraphicsPathCubicBezier& curve,
                     int pointCount) override;
    void SetScale(float scale) override;
    void PathClose(TKestGraphicsContextPath& path) override;
    void ResetClip() override;
    void ResetTransform() override;
    void ScaleTransform(float x, float y) override;
    void RotateTransform(float angle) override;
    void TranslateTransform(float x, float y) override;
    void SetTextQuality(TKestGraphicsTextQuality textQuality) override;
    void SetAntiAliasing(bool antiAliasing) override;
    void SetShowAcceleratorChar(bool showAcceleratorChar) override;
    void SetSize(float width, float height) override;
    void ResetTextAngle(float angle) override;
    void BeginScene() override;
    void EndScene() override;
    void BeginPrinting() override;
    void EndPrinting() override;
    void StartSpecialPen() override;
    void StopSpecialPen() override;
    void RestoreState(TKestGraphicsSaveState& state) override;
    void SaveState(TKestGraphicsSaveState& state) override;
    void SetFontSize(float size) override;
    void SetFontColor(TColor color) override;
    void SetFontName(const QString& name) override;
    void SetFont(TKestGraphicsFont* font) override;
    void SetFontStyles(TFontStyles style) override;
    void SetMatrix(const TKestGraphicsMatrix& matrix) override;
    void SetFill(TKestGraphicsFill* fill) override;
    void SetFillKind(TKestGraphicsFillKind kind) override;
    void SetFillColor(TColor color) override;
    void SetStroke(TKestGraphicsStroke* stroke) override;
    void SetStrokeKind(TKestGraphicsStrokeKind kind) override;
    void SetStrokeColor(TColor color) override;
    void SetStrokeWidth(float width) override;
    void DrawLine(TKestGraphicsStroke* stroke, const TPointF& fromPoint, const TPointF& toPoint,
                  TKestGraphicsModifyPointMode modifyPointModeFrom,
                  TKestGraphicsModifyPointMode modifyPointModeTo) override;
    void DrawPolygon(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polygon) override;
    void FillPolygon(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polygon) override;
    void DrawPolyline(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polyline) override;
    void FillPolyline(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polyline) override;
    void FillArc(TKestGraphicsFill* fill, const TPointF& center, const TPointF& radius, float startAngle,
                 float sweepAngle) override;
    void DrawArc(TKestGraphicsStroke* stroke, const TPointF& center, const TPointF& radius, float startAngle,
                 float sweepAngle) override;
    void FillRect(TKestGraphicsFill* fill, const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode) override;
    void DrawRect(TKestGraphicsStroke* stroke, const TRectF& rect, TKestGraphicsSides sides,
                  TKestGraphicsModifyRectMode modifyRectMode) override;
    void FillRoundRect(TKestGraphicsFill* fill, const TRectF& rect, float rounding, TKestGraphicsCorners corners,
                       TKestGraphicsModifyRectMode modifyRectMode) override;
    void DrawRoundRect(TKestGraphicsStroke* stroke, const TRectF& rect, float rounding, TKestGraphicsCorners corners,
                       TKestGraphicsModifyRectMode modifyRectMode) override;
    void FillEllipse(TKestGraphicsFill* fill, const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode) override;
    void DrawEllipse(TKestGraphicsStroke* stroke, const TRectF& rect,
                     TKestGraphicsModifyRectMode modifyRectMode) override;
    void DrawBitmap(TGraphic* bitmap, const TRectF& srcRect, const TRectF& dstRect, float opacity) override;
    void ClipRect(const TRectF& rect) override;
    void ClipPath(TKestGraphicsPath* path) override;
    void DrawFocusPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path, TColor color) override;
    void DrawFocusRectangle(TKestGraphicsStroke* stroke, const TRectF& rect, TColor color,
                            TKestGraphicsModifyRectMode modifyRectMode) override;
    void DrawText(const QString& text, const TRectF& rect, bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                  TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming, float angle) override;
    void DrawPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path, TKestGraphicsPathDrawMode pathMode) override;
    void FillPath(TKestGraphicsFill* fill, TKestGraphicsPath* path, TKestGraphicsPathDrawMode pathMode) override;

    // The copies of the canvas's state this back-end draws with.
    TKestGraphicsFont* Font() const { return FFont.get(); }
    TKestGraphicsFill* Fill() const { return FFill.get(); }
    TKestGraphicsStroke* Stroke() const { return FStroke.get(); }
    float Scale() const { return FScale; }
    TSizeF ContextSize() const { return FContextSize; }
    bool NeedsRendering() const { return FNeedsRendering; }
    // The drawing surface, none before SetSize and after Render.
    KestGDIPlusClasses::TGPGraphics* Surface() const { return FGPGraphics.get(); }

private:
    using TOutline = std::function<void(KestGDIPlusClasses::TGPPen&)>;

    void ReleaseSurface();
    // Sets a mode of the surface's base state: transforms and clips set
    // since the base state are dropped with it.
    void ChangeBaseState(const std::function<void()>& change);
    void ApplyAntiAliasing();
    void ApplyTextQuality();
    // The pen of the stroke handed in (the copy takes its values when they
    // differ), built when first needed after a change.
    KestGDIPlusClasses::TGPPen& PenFor(TKestGraphicsStroke* stroke);
    KestGDIPlusClasses::TGPFont& GPFont();
    KestGDIPlusClasses::TGPStringFormat& TextFormat(bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                                    TKestGraphicsTextAlign verticalAlign,
                                                    TKestGraphicsTextTrimming trimming);
    // Draws with smoothing off while the pen is dashed.
    void Outline(TKestGraphicsStroke* stroke, const TOutline& draw);
    void FillShape(TKestGraphicsFill* fill, KestGDIPlusClasses::TGPGraphicsPath& path,
                   const KestGraphicsWin::TExactShape& exact = {});
    // The world transform's six elements.
    KestGDIPlusClasses::TMatrixElements WorldElements() const;
    // Whether the world transform maps rectangles along the axes to such.
    bool WorldKeepsAxes() const;
    void FillExactly(KestGDIPlusClasses::TGPGraphicsPath& path);
    // The surface places pixel edges on whole coordinates (the mode the SVG
    // drawing sets), where the library's own placement must be corrected.
    bool HalfPixelOffset() const;
    void RectangleSides(KestGDIPlusClasses::TGPPen& pen, const TRectF& rect, TKestGraphicsSides sides);
    void PolygonOutline(KestGDIPlusClasses::TGPPen& pen, const TKestGraphicsPathPolygon& polygon);
    // The focus pen (dotted, 1 wide, the colour, no smoothing) around draw.
    void FocusOutline(TKestGraphicsStroke* stroke, TColor color, const TOutline& draw);

    bool FShowAcceleratorChar = false;
    std::unique_ptr<KestGDIPlusClasses::TGPMatrix> FTextMatrix;
    GdiplusFlat::INT FSmoothingMode = 0;
    GdiplusFlat::GraphicsState FSaveGP = 0;
    float FScale;
    TPointF FMovePoint;
    bool FNeedsRendering = true;
    std::unique_ptr<TKestGraphicsFont> FFont;
    std::unique_ptr<TKestGraphicsFill> FFill;
    std::unique_ptr<TKestGraphicsStroke> FStroke;
    std::unique_ptr<KestGDIPlusClasses::TGPFont> FGPFont;
    TSizeF FContextSize;
    std::unique_ptr<KestGDIPlusClasses::TGPStringFormat> FGPStringFormat;
    std::unique_ptr<KestGDIPlusClasses::TGPBrush> FGPBrush;
    std::unique_ptr<KestGDIPlusClasses::TGPPen> FGPPen;
    std::unique_ptr<KestGDIPlusClasses::TGPGraphics> FGPGraphics;
    // Modes of the surface the canvas set, applied to every new surface.
    std::optional<bool> FAntiAliasing;
    std::optional<TKestGraphicsTextQuality> FTextQuality;
    // The string format's own trimming, for text drawn without trimming.
    GdiplusFlat::StringTrimming FDefaultTrimming = GdiplusFlat::StringTrimmingCharacter;
    // The device pixels per logical unit of the surface; matrices read and
    // set by the canvas are logical.
    float FPixelRatio = 1;
};

#pragma GCC visibility pop
