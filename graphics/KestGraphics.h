#pragma once
// The canvas of the graphics library: one drawing surface over a framework
// canvas (the client's, or an off-screen bitmap of its own). It keeps the
// current fill, stroke and font, decides what is drawn (fill first, then
// stroke, each only with a colour and a kind), lays out text and places
// pictures itself, and hands every primitive to its back-end: the platform
// one when the canvas is native, the framework-canvas one otherwise.
//
// Float forms are the cores; integer forms convert and call them. The
// operation groups live in files of their own (KestGraphics*.cpp).

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"
#include "framework/Enums.h"
#include "framework/FloatGeometry.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsMatrix.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TBitmap;
class TCanvas;
class TDeviceContext;
class TGraphic;
class TImageList;
class TPicture;
class TPictureContainer;
class TKestBitmap;
class TKestScaledBitmaps;
class TKestGraphicsContext;
class TKestGraphicsFill;
class TKestGraphicsFont;
class TKestGraphicsPath;
class TKestGraphicsSaveState;
class TKestGraphicsStroke;

// What the markup engine reports of a form control under the point.
struct TKestGraphicsControlData {
    QString ID;
    QString Value;
    QString Type;
};

class TKestGraphics : public QObject, public TKestJSONMethods {
    Q_OBJECT

public:
    // Draws on the client's canvas (not owned) through the platform back-end
    // when native, else through the framework-canvas one.
    TKestGraphics(TCanvas* canvas, bool native);
    ~TKestGraphics() override;

    static std::unique_ptr<TKestGraphics> Create(TCanvas* canvas, bool native);
    static std::unique_ptr<TKestGraphics> CreateNative(TCanvas* canvas);
    // A canvas over an off-screen bitmap of its own of that size.
    // highDPI has no effect.
    static std::unique_ptr<TKestGraphics> CreateBitmapCanvas(int width, int height, bool native = false,
                                                             bool highDPI = false);
    static std::unique_ptr<TKestGraphics> CreateNativeBitmapCanvas(int width, int height);

    // --- scene and matrix ---
    virtual TKestGraphicsMatrix GetMatrix();
    virtual void BeginPrinting();
    virtual void EndPrinting();
    virtual void BeginScene();
    virtual void EndScene();
    virtual void SetMatrix(const TKestGraphicsMatrix& matrix);
    void StartSpecialPen();
    void StopSpecialPen();

    // --- state ---
    // Copies another canvas's fill, stroke and font (nothing for none).
    virtual void Assign(TKestGraphics* source);
    virtual void SetFill(TKestGraphicsFill* fill);
    virtual void SetStroke(TKestGraphicsStroke* stroke);
    // Takes the state back and frees it.
    virtual void RestoreState(std::unique_ptr<TKestGraphicsSaveState> state, bool canvasOnly = false);
    virtual void SetFillKind(TKestGraphicsFillKind kind);
    virtual void SetFillColor(TColor color);
    virtual void SetFontColor(TColor color);
    virtual void SetFontName(const QString& name);
    virtual void SetFont(TKestGraphicsFont* font);
    virtual void SetFontSize(float size);
    virtual void SetFontStyles(TFontStyles styles);
    virtual void SetStrokeKind(TKestGraphicsStrokeKind kind);
    virtual void SetStrokeColor(TColor color);
    virtual void SetStrokeWidth(float width);
    // The caller owns the state until it hands it to RestoreState.
    std::unique_ptr<TKestGraphicsSaveState> SaveState(bool canvasOnly = false);

    // --- lines ---
    void DrawLine(const QPoint& fromPoint, const QPoint& toPoint,
                  TKestGraphicsModifyPointMode modifyPointModeFrom = gcpmRightDown,
                  TKestGraphicsModifyPointMode modifyPointModeTo = gcpmRightDown);
    virtual void DrawLine(const TPointF& fromPoint, const TPointF& toPoint,
                          TKestGraphicsModifyPointMode modifyPointModeFrom = gcpmRightDown,
                          TKestGraphicsModifyPointMode modifyPointModeTo = gcpmRightDown);

    // --- focus marks ---
    void DrawFocusRectangle(int left, int top, int right, int bottom, TColor color = clBlack,
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawFocusRectangle(const QRect& rect, TColor color = clBlack,
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawFocusRectangle(double left, double top, double right, double bottom, TColor color = clBlack,
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    virtual void DrawFocusRectangle(const TRectF& rect, TColor color = clBlack,
                                    TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    virtual void DrawFocusPath(TKestGraphicsPath* path, TColor color = clBlack);

    // --- paths and polygons ---
    virtual void DrawPolygon(const TKestGraphicsPathPolygon& polygon);
    virtual void DrawPolyline(const TKestGraphicsPathPolygon& polyline);
    virtual void DrawPath(TKestGraphicsPath* path, TKestGraphicsPathDrawMode pathMode = pdmPath);

    // --- arcs: centre, radius per axis, angles in degrees (clockwise) ---
    virtual void DrawArc(const TPointF& center, const TPointF& radius, float startAngle, float sweepAngle);
    void DrawArc(const QPoint& center, const QPoint& radius, float startAngle, float sweepAngle);

    // --- rectangles and ellipses ---
    void DrawRectangle(double left, double top, double right, double bottom,
                       TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(double left, double top, double right, double bottom, TKestGraphicsSides sides,
                       TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawEllipse(double left, double top, double right, double bottom,
                     TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    virtual void DrawRectangle(const TRectF& rect, TKestGraphicsSides sides,
                               TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(int left, int top, int right, int bottom,
                       TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(int left, int top, int right, int bottom, TKestGraphicsSides sides,
                       TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawEllipse(int left, int top, int right, int bottom,
                     TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(const QRect& rect, TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRectangle(const QRect& rect, TKestGraphicsSides sides,
                       TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRoundRectangle(double left, double top, double right, double bottom, float rounding,
                            TKestGraphicsCorners corners = AllCorners(),
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    virtual void DrawRoundRectangle(const TRectF& rect, float rounding, TKestGraphicsCorners corners = AllCorners(),
                                    TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRoundRectangle(int left, int top, int right, int bottom, float rounding,
                            TKestGraphicsCorners corners = AllCorners(),
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawRoundRectangle(const QRect& rect, float rounding, TKestGraphicsCorners corners = AllCorners(),
                            TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    virtual void DrawEllipse(const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);
    void DrawEllipse(const QRect& rect, TKestGraphicsModifyRectMode modifyRectMode = gcrmShrinkAll);

    // --- pictures ---
    void DrawBitmapPart(double sourceLeft, double sourceTop, double sourceRight, double sourceBottom,
                        double destinationLeft, double destinationTop, double destinationRight,
                        double destinationBottom, TPicture* bitmap, bool aspectRatio = true, bool stretch = true,
                        bool center = true, bool cropping = false);
    virtual void DrawBitmapPart(const TRectF& sourceRect, const TRectF& destinationRect, TPicture* bitmap,
                                bool aspectRatio = true, bool stretch = true, bool center = true,
                                bool cropping = false);
    void DrawBitmap(double left, double top, double right, double bottom, TPicture* bitmap, bool aspectRatio = true,
                    bool stretch = true, bool center = true, bool cropping = false);
    virtual void DrawBitmap(const TRectF& rect, TPicture* bitmap, bool aspectRatio = true, bool stretch = true,
                            bool center = true, bool cropping = false);
    void DrawBitmapPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int destinationLeft,
                        int destinationTop, int destinationRight, int destinationBottom, TPicture* bitmap,
                        bool aspectRatio = true, bool stretch = true, bool center = true, bool cropping = false);
    void DrawBitmapPart(const QRect& sourceRect, const QRect& destinationRect, TPicture* bitmap,
                        bool aspectRatio = true, bool stretch = true, bool center = true, bool cropping = false);
    void DrawBitmap(int left, int top, int right, int bottom, TPicture* bitmap, bool aspectRatio = true,
                    bool stretch = true, bool center = true, bool cropping = false);
    void DrawBitmap(const QRect& rect, TPicture* bitmap, bool aspectRatio = true, bool stretch = true,
                    bool center = true, bool cropping = false);
    // At its own size with the top-left corner there.
    void DrawBitmap(int left, int top, TPicture* bitmap);
    void DrawBitmap(float left, float top, TPicture* bitmap);

    // --- control parts ---
    virtual void DrawCheckBox(const TRectF& rect, bool checked, bool focused, bool enabled, double scaleFactor = 1);
    void DrawCheckBox(const QRect& rect, bool checked, bool focused, bool enabled, double scaleFactor = 1);
    virtual void DrawButton(const TRectF& rect, bool down, bool focused, bool enabled, bool adaptToStyle = false,
                            double scaleFactor = 1);
    void DrawButton(const QRect& rect, bool down, bool focused, bool enabled, bool adaptToStyle = false,
                    double scaleFactor = 1);
    virtual void DrawCloseButton(const TRectF& rect, bool down, bool focused, bool enabled, bool adaptToStyle = false,
                                 double scaleFactor = 1);
    void DrawCloseButton(const QRect& rect, bool down, bool focused, bool enabled, bool adaptToStyle = false,
                         double scaleFactor = 1);
    virtual void DrawExpanderButton(const TRectF& rect, TKestGraphicsExpanderState state, bool down, bool focused,
                                    bool enabled, bool adaptToStyle = false, double scaleFactor = 1);
    void DrawExpanderButton(const QRect& rect, TKestGraphicsExpanderState state, bool down, bool focused,
                            bool enabled, bool adaptToStyle = false, double scaleFactor = 1);
    virtual void DrawCompactButton(const TRectF& rect, TKestGraphicsCompactState state, bool down, bool focused,
                                   bool enabled, bool adaptToStyle = false, double scaleFactor = 1);
    void DrawCompactButton(const QRect& rect, TKestGraphicsCompactState state, bool down, bool focused,
                           bool enabled, bool adaptToStyle = false, double scaleFactor = 1);
    virtual void DrawDropDownButton(const TRectF& rect, bool down, bool focused, bool enabled, bool center = false,
                                    bool adaptToStyle = false, double scaleFactor = 1);
    void DrawDropDownButton(const QRect& rect, bool down, bool focused, bool enabled, bool center = false,
                            bool adaptToStyle = false, double scaleFactor = 1);
    virtual void DrawRadioButton(const TRectF& rect, bool checked, bool focused, bool enabled,
                                 double scaleFactor = 1);
    void DrawRadioButton(const QRect& rect, bool checked, bool focused, bool enabled, double scaleFactor = 1);
    // format is one of the framework's format strings taking one number:
    // the percentage reached ("%.0f%%").
    virtual void DrawProgressBar(const TRectF& rect, float value, const QString& format, float max, TColor color,
                                 TColor textColor, bool showText, bool enabled, double scaleFactor = 1);
    void DrawProgressBar(const QRect& rect, float value, const QString& format, float max, TColor color,
                         TColor textColor, bool showText, bool enabled, double scaleFactor = 1);

    // --- named and scaled pictures ---
    void DrawBitmapWithName(double left, double top, double right, double bottom, const QString& bitmapName,
                            bool applyScale = false, float scale = 1, bool aspectRatio = true, bool stretch = true,
                            bool center = true, bool cropping = false);
    virtual void DrawBitmapWithName(const TRectF& rect, const QString& bitmapName, bool applyScale = false,
                                    float scale = 1, bool aspectRatio = true, bool stretch = true,
                                    bool center = true, bool cropping = false);
    virtual void DrawScaledBitmap(const TRectF& rect, TKestScaledBitmaps* bitmaps, float scale = 1,
                                  bool aspectRatio = true, bool stretch = true, bool center = true,
                                  bool cropping = false);
    void DrawScaledBitmap(double left, double top, double right, double bottom, TKestScaledBitmaps* bitmaps,
                          float scale = 1, bool aspectRatio = true, bool stretch = true, bool center = true,
                          bool cropping = false);
    void DrawBitmapWithName(int left, int top, int right, int bottom, const QString& bitmapName,
                            bool applyScale = false, float scale = 1, bool aspectRatio = true, bool stretch = true,
                            bool center = true, bool cropping = false);
    void DrawBitmapWithName(const QRect& rect, const QString& bitmapName, bool applyScale = false, float scale = 1,
                            bool aspectRatio = true, bool stretch = true, bool center = true, bool cropping = false);
    void DrawScaledBitmap(const QRect& rect, TKestScaledBitmaps* bitmaps, float scale = 1, bool aspectRatio = true,
                          bool stretch = true, bool center = true, bool cropping = false);
    void DrawScaledBitmap(int left, int top, int right, int bottom, TKestScaledBitmaps* bitmaps, float scale = 1,
                          bool aspectRatio = true, bool stretch = true, bool center = true, bool cropping = false);

    // --- picture rectangles ---
    TRectF GetBitmapDrawRectangle(double left, double top, double right, double bottom, TPicture* bitmap,
                                  bool aspectRatio = true, bool stretch = true, bool center = true,
                                  bool cropping = false);
    virtual TRectF GetBitmapDrawRectangle(const TRectF& rect, TPicture* bitmap, bool aspectRatio = true,
                                          bool stretch = true, bool center = true, bool cropping = false);
    QRect GetBitmapDrawRectangle(int left, int top, int right, int bottom, TPicture* bitmap, bool aspectRatio = true,
                                 bool stretch = true, bool center = true, bool cropping = false);
    QRect GetBitmapDrawRectangle(const QRect& rect, TPicture* bitmap, bool aspectRatio = true, bool stretch = true,
                                 bool center = true, bool cropping = false);

    // --- clip and cut ---
    virtual void ClipRect(const TRectF& rect);
    void ClipRect(const QRect& rect);
    // The part of the picture cut out as a new picture (the caller's), or
    // none for an empty rectangle or an SVG picture.
    virtual std::unique_ptr<TKestBitmap> DrawBitmapPartSync(const TRectF& sourceRect, const TRectF& destinationRect,
                                                            TPicture* bitmap);

    // --- text measuring ---
    virtual TSizeF CalculateTextSize(const QString& text, const TRectF& rect, bool wordWrapping = false,
                                     bool supportHTML = true);
    virtual float CalculateTextWidth(const QString& text, const TRectF& rect, bool wordWrapping = false,
                                     bool supportHTML = true);
    virtual float CalculateTextHeight(const QString& text, const TRectF& rect, bool wordWrapping = false,
                                      bool supportHTML = true);
    virtual TRectF CalculateText(const QString& text, const TRectF& rect, bool wordWrapping = false,
                                 bool supportHTML = true);
    TSizeF CalculateTextSize(const QString& text);
    float CalculateTextWidth(const QString& text);
    float CalculateTextHeight(const QString& text);
    TRectF CalculateText(const QString& text);
    QSize CalculateTextSize(const QString& text, const QRect& rect, bool wordWrapping = false,
                            bool supportHTML = true);
    int CalculateTextWidth(const QString& text, const QRect& rect, bool wordWrapping = false, bool supportHTML = true);
    int CalculateTextHeight(const QString& text, const QRect& rect, bool wordWrapping = false,
                            bool supportHTML = true);
    QRect CalculateText(const QString& text, const QRect& rect, bool wordWrapping = false, bool supportHTML = true);
    QSize CalculateTextSizeInt(const QString& text);
    int CalculateTextWidthInt(const QString& text);
    int CalculateTextHeightInt(const QString& text);
    QRect CalculateTextInt(const QString& text);

    // --- text drawing: each returns the link found under (x, y) when
    // testAnchor is set, else an empty text ---
    QString DrawText(const TPointF& point, const QString& text, float angle = 0, bool supportHTML = true);
    QString DrawText(const TRectF& rect, const QString& text, bool wordWrapping = false,
                     TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, float x = -1, float y = -1);
    QString DrawText(double left, double top, double right, double bottom, const QString& text,
                     bool wordWrapping = false, TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, float x = -1, float y = -1);
    QString DrawText(const QRect& rect, const QString& text, bool wordWrapping = false,
                     TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, int x = -1, int y = -1);
    QString DrawText(int left, int top, int right, int bottom, const QString& text, bool wordWrapping = false,
                     TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, int x = -1, int y = -1);
    // The same, also reporting the form control the markup engine finds.
    virtual QString DrawText(const TRectF& rect, const QString& text, TKestGraphicsControlData& control,
                             bool wordWrapping = false, TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                             TKestGraphicsTextAlign verticalAlign = gtaLeading,
                             TKestGraphicsTextTrimming trimming = gttNone, float angle = 0, float minWidth = -1,
                             float minHeight = -1, bool supportHTML = true, bool testAnchor = false, float x = -1,
                             float y = -1);
    QString DrawText(double left, double top, double right, double bottom, const QString& text,
                     TKestGraphicsControlData& control, bool wordWrapping = false,
                     TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, float x = -1, float y = -1);
    QString DrawText(const QRect& rect, const QString& text, TKestGraphicsControlData& control,
                     bool wordWrapping = false, TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, int x = -1, int y = -1);
    QString DrawText(int left, int top, int right, int bottom, const QString& text, TKestGraphicsControlData& control,
                     bool wordWrapping = false, TKestGraphicsTextAlign horizontalAlign = gtaLeading,
                     TKestGraphicsTextAlign verticalAlign = gtaLeading, TKestGraphicsTextTrimming trimming = gttNone,
                     float angle = 0, float minWidth = -1, float minHeight = -1, bool supportHTML = true,
                     bool testAnchor = false, int x = -1, int y = -1);

    // --- class operations ---
    // The named picture of the container, looked up as "name_<scale>" first
    // when applyScale (scale 0 or less: the display's).
    static TPicture* GetBitmapFromPictureContainer(TPictureContainer* pictureContainer, const QString& name,
                                                   bool applyScale = false, float scale = 1);
    static void GetAspectSize(float& width, float& height, float originalWidth, float originalHeight,
                              float newWidth, float newHeight, bool aspectRatio, bool stretch, bool cropping);
    static void DrawSample(TCanvas* canvas, const TRectF& rect);
    static void SetDefaultGraphicColors();
    static bool PointInCircle(const TPointF& point, const TPointF& center, float radius);
    static bool PointInPath(const TPointF& point, TKestGraphicsPath* path);
    static bool PointInPath(const QPoint& point, TKestGraphicsPath* path);
    static bool PointInPolygon(const TPointF& point, const TKestGraphicsPathPolygon& polygon);
    static bool PointInPolygon(const QPoint& point, const TKestGraphicsPathPolygon& polygon);
    static bool PointInRect(const TPointF& point, const TRectF& rect);
    static bool PointInRect(const QPoint& point, const QRect& rect);
    // One byte of the colour, system colours resolved.
    static int GetColorRed(TColor color);
    static int GetColorGreen(TColor color);
    static int GetColorBlue(TColor color);
    // "#RRGGBB" in upper case.
    static QString ColorToHTML(TColor color);
    // "#RGB" or "#RRGGBB" (the first character is skipped whatever it is);
    // gcNull for an empty text; EConvertError for a bad digit or pair.
    static TColor HTMLToColor(const QString& html);
    // A colour name ("clRed", "Red", "gcRed", any case); 0 when unknown.
    static TColor TextToColor(const QString& text);
    // The markup with every occurrence of hilight wrapped in the tag.
    static QString ApplyHilight(const QString& text, const QString& hilight, const QString& tag, bool doCase);
    static TPicture* GetScaledBitmap(TKestScaledBitmaps* bitmaps, float scale, TPictureContainer* pictureContainer);

    // --- properties ---
    TKestGraphicsFill* Fill() const { return FFill.get(); }
    TKestGraphicsStroke* Stroke() const { return FStroke.get(); }
    TKestGraphicsFont* Font() const { return FFont.get(); }
    TCanvas* Canvas() const { return FActiveCanvas; }
    // The active back-end (never none).
    TKestGraphicsContext* Context() const { return FNative ? FContextNative.get() : FContextGeneral.get(); }
    bool Native() const { return FNative; }
    // The owned off-screen bitmap with what was drawn so far (none for a
    // canvas over a client's canvas).
    TBitmap* Bitmap() const;
    // The pixels drawn on a bitmap canvas, taken without a copy as the
    // canvas goes (a null image for a canvas over a client's canvas).
    static QImage TakeImage(std::unique_ptr<TKestGraphics> canvas);
    bool OptimizedHTMLDrawing() const { return FOptimizedHTMLDrawing; }
    void SetOptimizedHTMLDrawing(bool value) { FOptimizedHTMLDrawing = value; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { FHighlightColor = value; }
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor value) { FHighlightTextColor = value; }
    TFontStyles HighlightFontStyle() const { return FHighlightFontStyles; }
    void SetHighlightFontStyle(TFontStyles value) { FHighlightFontStyles = value; }
    TImageList* ImageList() const { return FImageList; }
    void SetImageList(TImageList* value) { FImageList = value; }
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* value) { FPictureContainer = value; }
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value) { FURLColor = value; }
    bool URLUnderline() const { return FURLUnderline; }
    void SetURLUnderline(bool value) { FURLUnderline = value; }

    static constexpr TKestGraphicsCorners AllCorners()
    {
        return {gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight};
    }
    static constexpr TKestGraphicsSides AllSides() { return {gsLeft, gsTop, gsRight, gsBottom}; }

protected:
    // The cores of text measuring and drawing.
    virtual TRectF CalculateTextInternal(const QString& text, const TRectF& rect, bool wordWrapping,
                                         bool supportHTML);
    virtual QString DrawTextInternal(const TRectF& rect, const QString& text, TKestGraphicsControlData& control,
                                     bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                     TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming,
                                     float angle, float minWidth, float minHeight, bool supportHTML,
                                     bool testAnchor, float x, float y);

private:
    struct TBitmapSurface;
    // A canvas over an owned bitmap surface of that size.
    TKestGraphics(int width, int height, bool native);
    void CreateContext(float width, float height);
    void CreateValueObjects();
    void PushState();

    // Runs a setter body once, unless a setter is already running: the
    // value object's OnChanged echo must not call back in. The guard is
    // undone also when the back-end throws.
    template <typename F>
    void Guarded(F&& body);

    void DrawTexture(const TRectF& rect, TKestBitmap* texture, TKestGraphicsTextureMode mode);
    void DrawTiles(const TRectF& rect, TGraphic& graphic);
    bool FillStepRuns() const;
    bool StrokeStepRuns() const;
    bool TextureFill() const;

    TCanvas* FActiveCanvas = nullptr;
    int FBlockUpdate = 0;
    bool FNative = false;
    std::unique_ptr<TKestGraphicsContext> FContextNative;
    std::unique_ptr<TKestGraphicsContext> FContextGeneral;
    std::unique_ptr<TBitmapSurface> FBitmap;
    std::unique_ptr<TKestGraphicsFill> FFill;
    std::unique_ptr<TKestGraphicsStroke> FStroke;
    std::unique_ptr<TKestGraphicsFont> FFont;
    TColor FHighlightColor = 0;
    bool FOptimizedHTMLDrawing = false;
    TColor FHighlightTextColor = 0;
    TFontStyles FHighlightFontStyles;
    bool FURLUnderline = true;
    TColor FURLColor = 0xFF0000;
    TPictureContainer* FPictureContainer = nullptr;
    TImageList* FImageList = nullptr;
};

#pragma GCC visibility pop
