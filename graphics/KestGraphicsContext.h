#pragma once
// The back-end under the graphics canvas: it owns the platform drawing state
// and turns each primitive into platform calls. The canvas has already
// decided whether a fill or stroke is drawn at all and handles textures,
// markup and pictures itself; a back-end draws exactly what it is asked.
//
// Virtual operations are declared in the order the stored interface gives
// them. Angles are in degrees; positive angles turn clockwise on screen.

#include "persistence/KestJSONMethods.h"
#include "framework/FloatGeometry.h"
#include "framework/Color.h"
#include "framework/Enums.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsMatrix.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TCanvas;
class TGraphic;
class TKestGraphics;
class TKestGraphicsFill;
class TKestGraphicsStroke;
class TKestGraphicsFont;
class TKestGraphicsPath;
class TKestGraphicsSaveState;

// A path in the back-end's own form, built by ConvertToPath for path
// drawing, filling and clipping. Each back-end derives its own.
class TKestGraphicsContextPath {
public:
    virtual ~TKestGraphicsContextPath() = default;
};

class TKestGraphicsContext : public TKestJSONMethods {
public:
    virtual ~TKestGraphicsContext();
    TKestGraphicsContext(const TKestGraphicsContext&) = delete;
    TKestGraphicsContext& operator=(const TKestGraphicsContext&) = delete;

    // The platform object drawn on (the back-end's surface), or none.
    virtual void* GetNativeCanvas() = 0;
    void* NativeCanvas() { return GetNativeCanvas(); }

    virtual std::unique_ptr<TKestGraphicsContextPath> CreatePath() = 0;
    virtual TColor GetFillColor() = 0;
    virtual TRectF CalculateText(const QString& text, const TRectF& rect, bool wordWrapping) = 0;
    // The rectangle to lay rotated text out in once the angle is applied.
    virtual TRectF SetTextAngle(const TRectF& rect, float angle) = 0;
    virtual TKestGraphicsMatrix GetMatrix() = 0;
    virtual void Render() = 0;
    virtual void PathOpen(TKestGraphicsContextPath& path) = 0;
    virtual void PathMoveTo(TKestGraphicsContextPath& path, const TPointF& point) = 0;
    virtual void PathLineTo(TKestGraphicsContextPath& path, const TPointF& point) = 0;
    // A curve from the path's last point (curve[0]): by default the
    // pointCount points the walk flattens it to, as lines (a line to its
    // end when there are fewer than two).
    virtual void PathCurveTo(TKestGraphicsContextPath& path, const TKestGraphicsPathCubicBezier& curve,
                             int pointCount);
    virtual void SetScale(float scale) = 0;
    virtual void PathClose(TKestGraphicsContextPath& path) = 0;
    virtual void ResetClip() = 0;
    virtual void ResetTransform() = 0;
    virtual void ScaleTransform(float x, float y) = 0;
    virtual void RotateTransform(float angle) = 0;
    virtual void TranslateTransform(float x, float y) = 0;
    virtual void SetTextQuality(TKestGraphicsTextQuality textQuality) = 0;
    virtual void SetAntiAliasing(bool antiAliasing) = 0;
    virtual void SetShowAcceleratorChar(bool showAcceleratorChar) = 0;
    virtual void SetSize(float width, float height) = 0;
    virtual void ResetTextAngle(float angle) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual void BeginPrinting() = 0;
    virtual void EndPrinting() = 0;
    virtual void StartSpecialPen() = 0;
    virtual void StopSpecialPen() = 0;
    virtual void RestoreState(TKestGraphicsSaveState& state) = 0;
    virtual void SaveState(TKestGraphicsSaveState& state) = 0;
    virtual void SetFontSize(float size) = 0;
    virtual void SetFontColor(TColor color) = 0;
    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFont(TKestGraphicsFont* font) = 0;
    virtual void SetFontStyles(TFontStyles style) = 0;
    virtual void SetMatrix(const TKestGraphicsMatrix& matrix) = 0;
    virtual void SetFill(TKestGraphicsFill* fill) = 0;
    virtual void SetFillKind(TKestGraphicsFillKind kind) = 0;
    virtual void SetFillColor(TColor color) = 0;
    virtual void SetStroke(TKestGraphicsStroke* stroke) = 0;
    virtual void SetStrokeKind(TKestGraphicsStrokeKind kind) = 0;
    virtual void SetStrokeColor(TColor color) = 0;
    virtual void SetStrokeWidth(float width) = 0;
    virtual void DrawLine(TKestGraphicsStroke* stroke, const TPointF& fromPoint, const TPointF& toPoint,
                          TKestGraphicsModifyPointMode modifyPointModeFrom,
                          TKestGraphicsModifyPointMode modifyPointModeTo) = 0;
    virtual void DrawPolygon(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polygon) = 0;
    virtual void FillPolygon(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polygon) = 0;
    virtual void DrawPolyline(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polyline) = 0;
    virtual void FillPolyline(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polyline) = 0;
    virtual void FillArc(TKestGraphicsFill* fill, const TPointF& center, const TPointF& radius, float startAngle,
                         float sweepAngle) = 0;
    virtual void DrawArc(TKestGraphicsStroke* stroke, const TPointF& center, const TPointF& radius, float startAngle,
                         float sweepAngle) = 0;
    virtual void FillRect(TKestGraphicsFill* fill, const TRectF& rect,
                          TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void DrawRect(TKestGraphicsStroke* stroke, const TRectF& rect, TKestGraphicsSides sides,
                          TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void FillRoundRect(TKestGraphicsFill* fill, const TRectF& rect, float rounding, TKestGraphicsCorners corners,
                               TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void DrawRoundRect(TKestGraphicsStroke* stroke, const TRectF& rect, float rounding,
                               TKestGraphicsCorners corners,
                               TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void FillEllipse(TKestGraphicsFill* fill, const TRectF& rect,
                             TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void DrawEllipse(TKestGraphicsStroke* stroke, const TRectF& rect,
                             TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void DrawBitmap(TGraphic* bitmap, const TRectF& srcRect, const TRectF& dstRect, float opacity) = 0;
    virtual void ClipRect(const TRectF& rect) = 0;
    virtual void ClipPath(TKestGraphicsPath* path) = 0;
    virtual void DrawFocusPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path, TColor color) = 0;
    virtual void DrawFocusRectangle(TKestGraphicsStroke* stroke, const TRectF& rect, TColor color,
                                    TKestGraphicsModifyRectMode modifyRectMode) = 0;
    virtual void DrawText(const QString& text, const TRectF& rect, bool wordWrapping,
                          TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                          TKestGraphicsTextTrimming trimming, float angle) = 0;
    virtual void DrawPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path,
                          TKestGraphicsPathDrawMode pathMode) = 0;
    virtual void FillPath(TKestGraphicsFill* fill, TKestGraphicsPath* path,
                          TKestGraphicsPathDrawMode pathMode) = 0;

    // A platform path of the vector path, curves cut into straight pieces
    // of about the flatness (at least 0.05). An empty path gives an empty one.
    std::unique_ptr<TKestGraphicsContextPath> ConvertToPath(const TKestGraphicsPath& path, float flatness);

    TKestGraphics* Graphics() const { return FGraphics; }
    TKestGraphics* GetGraphics() const { return FGraphics; }
    // The owning canvas's framework canvas, or none (defined with the canvas).
    TCanvas* Canvas() const;

protected:
    // The canvas owns its back-end; the back-end never outlives it.
    explicit TKestGraphicsContext(TKestGraphics* graphics) : FGraphics(graphics) {}

private:
    TKestGraphics* FGraphics;
};

// The back-end classes a canvas makes: the platform one for native canvases,
// the framework-canvas one otherwise (none while a back-end is not built in).
using TKestGraphicsContextClass = std::unique_ptr<TKestGraphicsContext> (*)(TKestGraphics* graphics);
struct TKestGraphicsContextClasses {
    TKestGraphicsContextClass Native = nullptr;
    TKestGraphicsContextClass General = nullptr;
};
// Each back-end adds itself in GraphicsContextClasses.cpp.
const TKestGraphicsContextClasses& KestGraphicsContextClasses();

#pragma GCC visibility pop
