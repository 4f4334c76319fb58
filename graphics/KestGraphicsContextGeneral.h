#pragma once
// The back-end that draws with the framework canvas: whole pixels, no
// transforms, no opacity, no anti-aliasing, gradients as one-pixel strips.
// It draws on whatever framework canvas the owning canvas holds at the
// time of each call.

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Pen.h"
#include "framework/Rect.h"
#include "graphics/KestGraphicsContext.h"

#include <memory>

#pragma GCC visibility push(default)

class TKestGraphicsContextGeneral : public TKestGraphicsContext {
public:
    explicit TKestGraphicsContextGeneral(TKestGraphics* graphics);
    ~TKestGraphicsContextGeneral() override;
    static std::unique_ptr<TKestGraphicsContext> Make(TKestGraphics* graphics);

    void* GetNativeCanvas() override;
    std::unique_ptr<TKestGraphicsContextPath> CreatePath() override;
    TColor GetFillColor() override;
    TRectF CalculateText(const QString& text, const TRectF& rect, bool wordWrapping) override;
    TRectF SetTextAngle(const TRectF& rect, float angle) override;
    TKestGraphicsMatrix GetMatrix() override;
    void Render() override {}
    void PathOpen(TKestGraphicsContextPath&) override {}
    void PathMoveTo(TKestGraphicsContextPath& path, const TPointF& point) override;
    void PathLineTo(TKestGraphicsContextPath& path, const TPointF& point) override;
    void PathCurveTo(TKestGraphicsContextPath& path, const TKestGraphicsPathCubicBezier& curve,
                     int pointCount) override;
    void SetScale(float) override {}
    void PathClose(TKestGraphicsContextPath& path) override;
    void ResetClip() override {}
    void ResetTransform() override {}
    void ScaleTransform(float, float) override {}
    void RotateTransform(float) override {}
    void TranslateTransform(float, float) override {}
    void SetTextQuality(TKestGraphicsTextQuality) override {}
    void SetAntiAliasing(bool) override {}
    void SetShowAcceleratorChar(bool showAcceleratorChar) override;
    void SetSize(float width, float height) override;
    void ResetTextAngle(float) override {}
    void BeginScene() override {}
    void EndScene() override {}
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
    void SetMatrix(const TKestGraphicsMatrix&) override {}
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

private:
    // The path being built has a line in its current figure.
    bool FFigureHasLine = false;
    // The framework canvas with the drawing state last set, or none. The
    // state is kept here as well, so that values set while the canvas had
    // no framework canvas, or set on an earlier one, are what the next one
    // draws with.
    TCanvas* Target();
    void WritePen();
    void WriteBrush();
    void WriteFont();
    // Calls body with the target, its brush made clear (outlines) or its
    // pen made clear (fills) for the call and put back afterwards.
    template <typename F>
    void Outline(F&& body);
    template <typename F>
    void Filled(F&& body);
    void PathShape(TKestGraphicsStroke* stroke, TKestGraphicsFill* fill, TKestGraphicsPath& path,
                   TKestGraphicsPathDrawMode pathMode, bool filled);
    void Arc(const TPointF& center, const TPointF& radius, float startAngle, float sweepAngle, bool chord);
    void RotatedText(TCanvas& canvas, const QString& text, const TRect& rect, TKestGraphicsTextAlign horizontalAlign,
                     TKestGraphicsTextAlign verticalAlign, float angle);

    bool FPrinting = false;
    bool FShowAcceleratorChar = false;
    // The pen in force before the special pen.
    TPen FOldPen;
    TPen FPen;
    TBrush FBrush;
    std::unique_ptr<TFont> FFont;
    TCanvas* FFontCanvas = nullptr;
};

#pragma GCC visibility pop
