// The canvas's text: measuring and drawing plain text through the back-end
// and markup through the markup engine, line by line when asked, and the
// overloads that convert to the float forms.

#include "graphics/KestGraphics.h"

#include "framework/Rounding.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/KestGraphicsMarkup.h"
#include "pictures/RectFHelpers.h"
#include "utils/KestUtils.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <algorithm>

namespace {

// Text the markup engine lays out: a closing tag, a self-closing tag or a
// line break tag in any case.
bool LooksLikeMarkup(const QString& text)
{
    return text.contains(QLatin1String("</")) || text.contains(QLatin1String("/>")) ||
           text.contains(QLatin1String("<BR>"), Qt::CaseInsensitive);
}

// Markup drawn line by line: it breaks its lines with "<BR/>" in any case.
bool SplitsIntoLines(const QString& text)
{
    return TKestUtils::IsHTML(text) && text.contains(QLatin1String("<BR/>"), Qt::CaseInsensitive);
}

QStringList MarkupLines(const QString& text)
{
    static const QRegularExpression breakTag(QStringLiteral("<BR/>"), QRegularExpression::CaseInsensitiveOption);
    return text.split(breakTag);
}

// A huge float rounds to the nearest int that exists.
int RoundToInt(float value)
{
    constexpr double limit = 2147483520.0;
    return Kest::Round(std::clamp(double(value), -limit, limit));
}

QRect RoundRect(const TRectF& r)
{
    const int left = RoundToInt(r.Left), top = RoundToInt(r.Top);
    return QRect(left, top, RoundToInt(r.Right) - left, RoundToInt(r.Bottom) - top);
}

TRectF ToRectF(double left, double top, double right, double bottom)
{
    return TRectF(float(left), float(top), float(right), float(bottom));
}

const TRectF DefaultTextRect(0, 0, 10000, 10000);

TKestMarkupRequest MeasureRequest(const QString& text, const TRectF& rect, bool wordWrapping)
{
    TKestMarkupRequest request;
    request.Text = text;
    request.Rect = rect;
    request.CalculateOnly = true;
    request.WordWrap = wordWrapping;
    return request;
}

// The request completed with the canvas's own markup settings.
TKestMarkupResult DrawMarkupWith(TKestGraphics& graphics, IKestGraphicsMarkup& engine, TKestMarkupRequest request)
{
    request.Scale = 1.0;
    request.URLColor = graphics.URLColor();
    request.URLUnderline = graphics.URLUnderline();
    request.HighlightColor = graphics.HighlightColor();
    request.HighlightTextColor = graphics.HighlightTextColor();
    request.HighlightFontStyle = graphics.HighlightFontStyle();
    request.PictureContainer = graphics.PictureContainer();
    request.ImageList = graphics.ImageList();
    return engine.DrawHTML(graphics, request);
}

}

// --- the cores ---

TRectF TKestGraphics::CalculateTextInternal(const QString& text, const TRectF& rect, bool wordWrapping,
                                            bool supportHTML)
{
    TRectF result = rect;
    if (RoundToInt(rect.Width()) <= 0) {
        result.Bottom = result.Top;
        return result;
    }
    if (text.isEmpty()) {
        result.Right = result.Left;
        result.Bottom = result.Top;
        return result;
    }
    IKestGraphicsMarkup* engine = KestGraphicsMarkup();
    if (supportHTML && engine && LooksLikeMarkup(text)) {
        TKestMarkupResult measured = DrawMarkupWith(*this, *engine, MeasureRequest(text, rect, wordWrapping));
        result.Right = result.Left + measured.Extent.Width;
        result.Bottom = result.Top + measured.Extent.Height + 1;
        return result;
    }
    result = Context()->CalculateText(text, rect, wordWrapping);
    result.Bottom += 1;
    return result;
}

QString TKestGraphics::DrawTextInternal(const TRectF& rect, const QString& text, TKestGraphicsControlData& control,
                                        bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                        TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming,
                                        float angle, float minWidth, float minHeight, bool supportHTML,
                                        bool testAnchor, float x, float y)
{
    TKestGraphicsContext* context = Context();
    const TColor fillColor = context->GetFillColor();
    context->SetFillColor(FFont->Color());
    // The back-end's fill colour comes back whatever the engine or the
    // back-end throws; a later shape would otherwise take the text colour.
    auto restoreFill = qScopeGuard([&] { context->SetFillColor(fillColor); });

    TRectF box = rect;
    if (minHeight > -1 && minHeight > box.Height())
        box.Bottom = box.Top + minHeight;
    if (minWidth > -1 && minWidth > box.Width())
        box.Right = box.Left + minWidth;

    box = context->SetTextAngle(box, angle);
    auto resetAngle = qScopeGuard([&] { context->ResetTextAngle(angle); });

    QString result;
    IKestGraphicsMarkup* engine = KestGraphicsMarkup();
    if (supportHTML && engine && LooksLikeMarkup(text)) {
        TKestMarkupRequest request = MeasureRequest(text, box, wordWrapping);
        TKestMarkupResult measured = DrawMarkupWith(*this, *engine, request);
        const float w = measured.Extent.Width + 1, h = measured.Extent.Height + 1;

        TRectF place = box;
        if (!wordWrapping || measured.LineCount < 2) {
            auto start = [](TKestGraphicsTextAlign align, float lo, float hi, float size) {
                switch (align) {
                case gtaCenter:
                    return lo + (hi - lo - size) / 2;
                case gtaTrailing:
                    return hi - size;
                case gtaLeading:
                    break;
                }
                return lo;
            };
            place.Left = start(horizontalAlign, box.Left, box.Right, w);
            place.Top = start(verticalAlign, box.Top, box.Bottom, h);
            place.Right = place.Left + w;
            place.Bottom = place.Top + h;
        }

        std::unique_ptr<TKestGraphicsSaveState> state = SaveState(true);
        auto restoreState = qScopeGuard([&] { RestoreState(std::move(state), true); });
        ClipRect(box);
        request.Rect = place;
        request.CalculateOnly = false;
        request.TestAnchor = testAnchor;
        request.X = RoundToInt(x);
        request.Y = RoundToInt(y);
        TKestMarkupResult drawn = DrawMarkupWith(*this, *engine, request);
        control = drawn.Control;
        if (drawn.Hit)
            result = drawn.Anchor;
    } else if (!testAnchor) {
        context->DrawText(text, box, wordWrapping, horizontalAlign, verticalAlign, trimming, angle);
    }
    return result;
}

// --- measuring ---

TRectF TKestGraphics::CalculateText(const QString& text, const TRectF& rect, bool wordWrapping, bool supportHTML)
{
    if (!(FOptimizedHTMLDrawing && SplitsIntoLines(text)))
        return CalculateTextInternal(text, rect, wordWrapping, supportHTML);
    TRectF running = rect;
    TRectF result(rect.Left, rect.Top, rect.Left, rect.Top);
    for (const QString& line : MarkupLines(text)) {
        const TRectF measured = CalculateTextInternal(line, running, wordWrapping, supportHTML);
        result.Right = std::max(result.Right, measured.Right);
        result.Bottom += measured.Height();
        running.Top += measured.Height();
    }
    return result;
}

TSizeF TKestGraphics::CalculateTextSize(const QString& text, const TRectF& rect, bool wordWrapping, bool supportHTML)
{
    const TRectF r = CalculateText(text, rect, wordWrapping, supportHTML);
    return TSizeF(r.Width(), r.Height());
}

float TKestGraphics::CalculateTextWidth(const QString& text, const TRectF& rect, bool wordWrapping, bool supportHTML)
{
    return CalculateText(text, rect, wordWrapping, supportHTML).Width();
}

float TKestGraphics::CalculateTextHeight(const QString& text, const TRectF& rect, bool wordWrapping,
                                         bool supportHTML)
{
    return CalculateText(text, rect, wordWrapping, supportHTML).Height();
}

TRectF TKestGraphics::CalculateText(const QString& text) { return CalculateText(text, DefaultTextRect, false, true); }

TSizeF TKestGraphics::CalculateTextSize(const QString& text)
{
    return CalculateTextSize(text, DefaultTextRect, false, true);
}

float TKestGraphics::CalculateTextWidth(const QString& text)
{
    return CalculateTextWidth(text, DefaultTextRect, false, true);
}

float TKestGraphics::CalculateTextHeight(const QString& text)
{
    return CalculateTextHeight(text, DefaultTextRect, false, true);
}

QRect TKestGraphics::CalculateText(const QString& text, const QRect& rect, bool wordWrapping, bool supportHTML)
{
    return RoundRect(CalculateText(text, RectToRectF(rect), wordWrapping, supportHTML));
}

QSize TKestGraphics::CalculateTextSize(const QString& text, const QRect& rect, bool wordWrapping, bool supportHTML)
{
    const TSizeF size = CalculateTextSize(text, RectToRectF(rect), wordWrapping, supportHTML);
    return QSize(RoundToInt(size.Width), RoundToInt(size.Height));
}

int TKestGraphics::CalculateTextWidth(const QString& text, const QRect& rect, bool wordWrapping, bool supportHTML)
{
    return RoundToInt(CalculateTextWidth(text, RectToRectF(rect), wordWrapping, supportHTML));
}

int TKestGraphics::CalculateTextHeight(const QString& text, const QRect& rect, bool wordWrapping, bool supportHTML)
{
    return RoundToInt(CalculateTextHeight(text, RectToRectF(rect), wordWrapping, supportHTML));
}

QRect TKestGraphics::CalculateTextInt(const QString& text) { return RoundRect(CalculateText(text)); }

QSize TKestGraphics::CalculateTextSizeInt(const QString& text)
{
    const TSizeF size = CalculateTextSize(text);
    return QSize(RoundToInt(size.Width), RoundToInt(size.Height));
}

int TKestGraphics::CalculateTextWidthInt(const QString& text) { return RoundToInt(CalculateTextWidth(text)); }

int TKestGraphics::CalculateTextHeightInt(const QString& text) { return RoundToInt(CalculateTextHeight(text)); }

// --- drawing ---

QString TKestGraphics::DrawText(const TRectF& rect, const QString& text, TKestGraphicsControlData& control,
                                bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming, float angle,
                                float minWidth, float minHeight, bool supportHTML, bool testAnchor, float x, float y)
{
    if (!(FOptimizedHTMLDrawing && !testAnchor && SplitsIntoLines(text)))
        return DrawTextInternal(rect, text, control, wordWrapping, horizontalAlign, verticalAlign, trimming, angle,
                                minWidth, minHeight, supportHTML, testAnchor, x, y);
    // Line by line: each line measured, drawn where it was measured, and
    // the next one placed under it. Links are not reported this way.
    TRectF running = rect;
    for (const QString& line : MarkupLines(text)) {
        const TRectF measured = CalculateText(line, running, wordWrapping, supportHTML);
        DrawTextInternal(TRectF(measured.Left, measured.Top, measured.Right + 1, measured.Bottom), line, control,
                         wordWrapping, horizontalAlign, verticalAlign, trimming, angle, minWidth, minHeight,
                         supportHTML, false, x, y);
        running.Top += measured.Height();
    }
    return QString();
}

QString TKestGraphics::DrawText(const TPointF& point, const QString& text, float angle, bool supportHTML)
{
    return DrawText(TRectF(point.X, point.Y, point.X + 10000, point.Y + 10000), text, false, gtaLeading, gtaLeading,
                    gttNone, angle, -1, -1, supportHTML);
}

QString TKestGraphics::DrawText(const TRectF& rect, const QString& text, bool wordWrapping,
                                TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                TKestGraphicsTextTrimming trimming, float angle, float minWidth, float minHeight,
                                bool supportHTML, bool testAnchor, float x, float y)
{
    TKestGraphicsControlData control;
    return DrawText(rect, text, control, wordWrapping, horizontalAlign, verticalAlign, trimming, angle, minWidth,
                    minHeight, supportHTML, testAnchor, x, y);
}

QString TKestGraphics::DrawText(double left, double top, double right, double bottom, const QString& text,
                                bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming, float angle,
                                float minWidth, float minHeight, bool supportHTML, bool testAnchor, float x, float y)
{
    return DrawText(ToRectF(left, top, right, bottom), text, wordWrapping, horizontalAlign, verticalAlign, trimming,
                    angle, minWidth, minHeight, supportHTML, testAnchor, x, y);
}

QString TKestGraphics::DrawText(const QRect& rect, const QString& text, bool wordWrapping,
                                TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                TKestGraphicsTextTrimming trimming, float angle, float minWidth, float minHeight,
                                bool supportHTML, bool testAnchor, int x, int y)
{
    return DrawText(RectToRectF(rect), text, wordWrapping, horizontalAlign, verticalAlign, trimming, angle, minWidth,
                    minHeight, supportHTML, testAnchor, float(x), float(y));
}

QString TKestGraphics::DrawText(int left, int top, int right, int bottom, const QString& text, bool wordWrapping,
                                TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                TKestGraphicsTextTrimming trimming, float angle, float minWidth, float minHeight,
                                bool supportHTML, bool testAnchor, int x, int y)
{
    return DrawText(ToRectF(left, top, right, bottom), text, wordWrapping, horizontalAlign, verticalAlign, trimming,
                    angle, minWidth, minHeight, supportHTML, testAnchor, float(x), float(y));
}

QString TKestGraphics::DrawText(double left, double top, double right, double bottom, const QString& text,
                                TKestGraphicsControlData& control, bool wordWrapping,
                                TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                TKestGraphicsTextTrimming trimming, float angle, float minWidth, float minHeight,
                                bool supportHTML, bool testAnchor, float x, float y)
{
    return DrawText(ToRectF(left, top, right, bottom), text, control, wordWrapping, horizontalAlign, verticalAlign,
                    trimming, angle, minWidth, minHeight, supportHTML, testAnchor, x, y);
}

QString TKestGraphics::DrawText(const QRect& rect, const QString& text, TKestGraphicsControlData& control,
                                bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming, float angle,
                                float minWidth, float minHeight, bool supportHTML, bool testAnchor, int x, int y)
{
    return DrawText(RectToRectF(rect), text, control, wordWrapping, horizontalAlign, verticalAlign, trimming, angle,
                    minWidth, minHeight, supportHTML, testAnchor, float(x), float(y));
}

QString TKestGraphics::DrawText(int left, int top, int right, int bottom, const QString& text,
                                TKestGraphicsControlData& control, bool wordWrapping,
                                TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                TKestGraphicsTextTrimming trimming, float angle, float minWidth, float minHeight,
                                bool supportHTML, bool testAnchor, int x, int y)
{
    return DrawText(ToRectF(left, top, right, bottom), text, control, wordWrapping, horizontalAlign, verticalAlign,
                    trimming, angle, minWidth, minHeight, supportHTML, testAnchor, float(x), float(y));
}

// --- markup ---

QString TKestGraphics::ApplyHilight(const QString& text, const QString& hilight, const QString& tag, bool doCase)
{
    IKestGraphicsMarkup* engine = KestGraphicsMarkup();
    return engine ? engine->HilightMarkup(text, hilight, tag, doCase) : text;
}
