#pragma once
// The framework canvas: pen, brush and font drawing on a device context's
// pixels with the pixel rules of the system's 2-D calls:
// - a shape of (L, T, R, B) covers the columns L..R-1 and rows T..B-1, its
//   outline drawn with the pen and its inside with the brush;
// - LineTo and Polyline leave out their end pixel;
// - arcs run counter-clockwise on screen from their first to their second
//   radial point;
// - shapes are not anti-aliased.
// Graphics draw themselves through it, and the drawing library can bind to
// the same pixels (Handle) so both paint one after the other.
//
// The device context part: saved levels (SaveDC/RestoreDC) keep the clip
// and the pen position; between BeginPath and EndPath, MoveTo, LineTo,
// Polyline, Polygon and CloseFigure build a path instead of drawing.

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Pen.h"
#include "framework/Rect.h"

#include <QFlags>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QStaticText>
#include <QPolygon>
#include <QRect>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#pragma GCC visibility push(default)

class QPainter;
class TDeviceContext;
class TGraphic;

enum TTextFormatFlag {
    tfWordBreak = 0x1,
    tfSingleLine = 0x2,
    tfCenter = 0x4,
    tfRight = 0x8,
    // Vertical placement applies to single-line text only.
    tfVerticalCenter = 0x10,
    tfBottom = 0x20,
    // "&" is drawn as it stands instead of underlining the next character.
    tfNoPrefix = 0x40,
    tfEndEllipsis = 0x80,
    tfWordEllipsis = 0x100,
    // Measure only: TextRect sets the rectangle to what the text covers.
    tfCalcRect = 0x200,
    tfNoClip = 0x400,
};
Q_DECLARE_FLAGS(TTextFormat, TTextFormatFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTextFormat)

class TCanvas {
public:
    explicit TCanvas(TDeviceContext& dc);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TDeviceContext& Handle() const { return FHandle; }

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return *FFont; }
    QPoint PenPos() const { return FPenPos; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // The brush alone over the columns left..right-1 and rows top..bottom-1.
    void FillRect(const TRect& rect);
    // Corners rounded by an ellipse of width x height.
    void RoundRect(int left, int top, int right, int bottom, int width, int height);
    void Ellipse(int left, int top, int right, int bottom);
    // The part of the ellipse in the box from the radial through (x1, y1)
    // counter-clockwise to the radial through (x2, y2); the whole ellipse
    // when both radials are the same.
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // The same arc closed by its chord, filled with the brush.
    void Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // Closed and filled with alternate filling.
    void Polygon(std::span<const QPoint> points);
    void Polyline(std::span<const QPoint> points);

    // Text with its cell's top-left corner at (x, y), turned by the font's
    // orientation; the background is filled with the brush unless it is clear.
    void TextOut(int x, int y, const QString& text);
    void TextRect(TRect& rect, const QString& text, TTextFormat format);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);

    // The graphic draws itself into the rectangle (nothing for none).
    void StretchDraw(const QRect& Rect, TGraphic* Graphic);
    // At its own size with the top-left corner at (X, Y).
    void Draw(int X, int Y, TGraphic* Graphic);
    // A picture scaled into the rectangle, pixel for pixel without smoothing.
    void DrawImage(const QRect& Rect, const QImage& Image);

    // Lets go of the pixels, so that another painter may draw on them; the
    // next drawing call takes them again with the same state.
    void Refresh();

    // Saves the clip and the pen position; returns the new level (1 up).
    int SaveDC();
    // Back to the level saved (a negative value counts back from the last
    // one), dropping it and every later one. False for an unknown level.
    bool RestoreDC(int savedDC);
    void IntersectClipRect(int left, int top, int right, int bottom);
    // The area drawing reaches in logical pixels: the surface within the clip.
    QRect ClipBounds() const;

    void BeginPath();
    void EndPath();
    void CloseFigure();
    // Outline or fill the path built since BeginPath; either ends the path.
    void StrokePath();
    void FillPath();
    void AbortPath();

    // The painter on the pixels with the canvas's clip, for drawing the
    // canvas does not offer (pen and brush are the caller's to set); none
    // for a surface without pixels.
    QPainter* Painter();

private:
    struct TSavedDC {
        std::optional<QRect> Clip;
        QPoint PenPos;
    };
    enum class TPathState { None, Building, Closed };

    QPainter* Prepared(bool withPen, bool withBrush);
    // The pen for shape outlines, or a pen of the brush colour when the pen
    // is clear, so that the brush covers what an outline would.
    QPen OutlinePen();
    void ApplyClip();
    bool PenVisible() const { return FPen.Style() != psClear; }
    bool BrushVisible() const { return FBrush.Style() != bsClear; }
    void ArcPath(QPainterPath& path, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2,
                 bool closed) const;
    // Filled with the brush and outlined with the pen, curves at whole pixels.
    void DrawShape(const QPainterPath& path);
    // A path between whole pixels, outlined.
    void StrokePath(const QPainterPath& pixels, const TPen& pen);
    void StrokeFigure(const QPolygon& points);
    const QFont& QtFont();
    // The painter with the font and its colour set, or none.
    QPainter* PreparedForText();
    // The text shaped in the current font for the painter, when it is a
    // plain single line laid out at its top left; none otherwise.
    const QStaticText* Shaped(const QString& text, int flags, const QPainter& painter);

    TDeviceContext& FHandle;
    std::unique_ptr<QPainter> FPainter;
    TPen FPen;
    TBrush FBrush;
    std::unique_ptr<TFont> FFont;
    // The Qt pen of FPen, rebuilt when FPen changes.
    TPen FQtPenOf;
    QPen FQtPen;
    // The Qt font of FFont, rebuilt after FFont changes.
    std::optional<QFont> FQtFont;
    // The last fonts FQtFont was, oldest first, each with the single lines
    // shaped in it: text drawn again is not shaped again.
    struct TRecentFont {
        QFont Font;
        QHash<QString, QStaticText> Shaped;
        // The characters of the shaped texts, the bound of what they hold.
        qsizetype ShapedLength = 0;
    };
    static constexpr size_t RecentQtFonts = 16;
    static constexpr qsizetype ShapedLength = 256 * 1024;
    std::vector<TRecentFont> FRecentQtFonts;
    // FQtFont's entry there.
    size_t FQtFontIndex = 0;
    QPoint FPenPos;
    std::optional<QRect> FClip;
    std::vector<TSavedDC> FSaved;
    TPathState FPathState = TPathState::None;
    QPainterPath FPath;
};

#pragma GCC visibility pop
