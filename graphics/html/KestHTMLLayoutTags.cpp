// The tags: what each opening and closing tag does to the layout state and
// the line, recognised by its first letters.

#include "graphics/html/KestHTMLLayout.h"

#include "framework/Exception.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestHTMLLine.h"
#include "graphics/html/KestHTMLTag.h"
#include "utils/KestUtils.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// The letter after the name's first: a null or a space means the tag is
// that one letter ("<B>"), anything else another tag ("<BR>").
bool OneLetter(const TKestHTMLTag& tag)
{
    const QChar c = tag.Letter(1);
    return c.isNull() || c.isSpace();
}

// Sizes beyond what a font can be are held to the largest that draws.
constexpr double MaxFontSize = 1000;

// The size a font tag asks for, or a negative number for none.
double FontTagSize(const TKestHTMLTag& tag)
{
    const QString style = tag.Attribute(QLatin1String("STYLE"));
    static const QRegularExpression pointSize(QStringLiteral("FONT-SIZE:\\s*([0-9]+(?:\\.[0-9]+)?)\\s*PT"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pointSize.match(style);
    if (match.hasMatch())
        return match.captured(1).toDouble();
    if (!tag.HasAttribute(QLatin1String("SIZE")))
        return -1;
    static const int steps[] = {8, 10, 12, 14, 16};
    const int size = tag.NumberAttribute(QLatin1String("SIZE"));
    return size >= 1 && size <= 5 ? steps[size - 1] : size;
}

}

TColor TKestHTMLLayout::ColorValue(const QString& value, TColor current)
{
    if (value.isEmpty())
        return current;
    if (!value.startsWith(QLatin1Char('#')))
        return TKestGraphics::TextToColor(value);
    try {
        const TColor color = TKestGraphics::HTMLToColor(value);
        return color == gcNull ? current : color;
    } catch (const Exception&) {
        // A bad colour keeps the current one: markup never raises.
        return current;
    }
}

void TKestHTMLLayout::SetTextColor(TColor color)
{
    if (FInput.Selected)
        return;
    FState.SavedColor = FState.TextColor;
    FState.TextColor = color;
}

bool TKestHTMLLayout::HandleTag(const TKestHTMLTag& tag, TLineRun& run)
{
    if (!tag.Closing())
        return HandleOpeningTag(tag, run);
    HandleClosingTag(tag, run);
    return true;
}

bool TKestHTMLLayout::HandleOpeningTag(const TKestHTMLTag& tag, TLineRun& run)
{
    const QChar second = tag.Letter(1);
    switch (tag.Letter(0).unicode()) {
    case 'A':
        HandleLink(tag);
        break;
    case 'B':
        if (OneLetter(tag)) {
            FState.Style |= fsBold;
        } else if (second == QLatin1Char('R')) {
            if (run.Pass == TKestHTMLPass::Measure)
                FOutput.PlainText += QLatin1Char('\r');
            run.Ended = true;
        } else if (second == QLatin1Char('L')) {
            if (!FInput.BlinkPhase)
                SetTextColor(FStart.FillColor);
        } else if (second == QLatin1Char('O')) {
            HandleBody(tag, run);
        }
        break;
    case 'E':
        FState.ErrorMark = true;
        break;
    case 'F':
        HandleFont(tag);
        break;
    case 'H':
        if (second == QLatin1Char('I')) {
            FState.HilightSavedColor = FState.TextColor;
            FState.HilightSavedBackground = FState.TextBackground;
            FState.HilightSavedStyle = FState.Style;
            FState.TextBackground = FInput.HighlightBackground;
            FState.TextColor = FInput.HighlightTextColor;
            FState.Style = FInput.HighlightFontStyle;
        } else if (second == QLatin1Char('R')) {
            HandleRule(tag, run);
        }
        break;
    case 'C':
        return HandleControl(tag, run);
    case 'I':
        if (OneLetter(tag)) {
            FState.Style |= fsItalic;
        } else if (second == QLatin1Char('M')) {
            return HandlePicture(tag, run);
        } else if (second == QLatin1Char('N')) {
            const float at = run.StartX + float(tag.NumberAttribute(QLatin1String("X")));
            run.X = std::max(run.X, at);
        }
        break;
    case 'L':
        return HandleListItem(tag, run);
    case 'O':
        if (second == QLatin1Char('F')) {
            FState.Offset = float(tag.NumberAttribute(QLatin1String("X")));
            run.X = run.StartX + FState.Offset;
        }
        break;
    case 'P':
        HandleParagraph(tag, run);
        break;
    case 'S':
        if (OneLetter(tag))
            FState.Style |= fsStrikeOut;
        else if (second == QLatin1Char('H'))
            FState.Shadow = true;
        else if (tag.StartsWith(QLatin1String("<SUB>")))
            FState.Subscript = true;
        else if (tag.StartsWith(QLatin1String("<SUP>")))
            FState.Superscript = true;
        break;
    case 'U':
        if (OneLetter(tag)) {
            FState.Style |= fsUnderline;
        } else {
            ++FState.ListLevel;
            // List markup ends a line with something on it; it makes no
            // empty lines of its own between nested lists.
            run.Ended = run.Placed;
        }
        break;
    case 'Z':
        FState.Hidden = true;
        break;
    default:
        break;
    }
    return true;
}

void TKestHTMLLayout::HandleClosingTag(const TKestHTMLTag& tag, TLineRun& run)
{
    switch (tag.Letter(0).unicode()) {
    case 'A':
        HandleLinkEnd();
        break;
    case 'B':
        if (OneLetter(tag))
            FState.Style &= ~TFontStyles(fsBold);
        else if (!FInput.Selected)
            FState.TextColor = FState.SavedColor;
        break;
    case 'E':
        FState.ErrorMark = false;
        break;
    case 'F':
        FState.FontName = FStart.FontName;
        FState.FontHeight = FStart.FontHeight;
        if (!FInput.Selected) {
            FState.TextColor = FState.SavedColor;
            FState.TextBackground = FState.SavedBackground;
            FState.FillColor = FState.FontSavedFill;
        }
        break;
    case 'H':
        FState.TextColor = FState.HilightSavedColor;
        FState.TextBackground = FState.HilightSavedBackground;
        FState.Style = FState.HilightSavedStyle;
        break;
    case 'I':
        FState.Style &= ~TFontStyles(fsItalic);
        break;
    case 'L':
        run.Ended = run.Placed;
        break;
    case 'O':
        FState.Offset = 0;
        break;
    case 'P':
        run.Ended = true;
        run.Line.ParagraphClosed = true;
        FState.ParagraphBackground = false;
        FState.FillColor = FState.ParagraphSavedFill;
        break;
    case 'S':
        if (tag.Letter(1) == QLatin1Char('U'))
            FState.Subscript = FState.Superscript = false;
        else if (tag.Letter(1) == QLatin1Char('H'))
            FState.Shadow = false;
        else
            FState.Style &= ~TFontStyles(fsStrikeOut);
        break;
    case 'U':
        if (OneLetter(tag) || FState.ListLevel == 0)
            FState.Style &= ~TFontStyles(fsUnderline);
        else
            --FState.ListLevel;
        break;
    case 'Z':
        FState.Hidden = false;
        break;
    default:
        break;
    }
}

void TKestHTMLLayout::HandleLink(const TKestHTMLTag& tag)
{
    ++FState.LinkCount;
    FState.LinkNumber = FState.LinkCount;
    FState.InLink = true;
    FState.LinkTarget = tag.FirstQuoted();
    FState.LinkSavedColor = FState.TextColor;
    FState.LinkSavedBackground = FState.TextBackground;
    const bool hovered = HoveredLink(FState.LinkNumber);
    if (!FInput.LinkStyle || hovered) {
        if (FInput.LinkUnderline)
            FState.Style |= fsUnderline;
        if (FInput.HoverColor != TColor(-1))
            FState.TextBackground = FInput.HoverColor;
        if (FInput.HoverFontColor != TColor(-1))
            FState.TextColor = FInput.HoverFontColor;
    }
    if (!FInput.Selected && !(FInput.HoverFontColor != TColor(-1) && hovered && FInput.LinkStyle))
        FState.TextColor = FInput.LinkColor;
}

void TKestHTMLLayout::HandleLinkEnd()
{
    if (!FState.InLink)
        return;
    if (!FInput.LinkStyle || HoveredLink(FState.LinkNumber)) {
        if (FInput.LinkUnderline)
            FState.Style &= ~TFontStyles(fsUnderline);
        FState.TextBackground = FState.LinkSavedBackground;
    }
    if (!FInput.Selected)
        FState.TextColor = FState.LinkSavedColor;
    FState.InLink = false;
    FState.LinkTarget.clear();
}

void TKestHTMLLayout::HandleFont(const TKestHTMLTag& tag)
{
    const QString face = tag.Attribute(QLatin1String("FACE"));
    if (!face.isEmpty())
        FState.FontName = face;
    FState.SavedBackground = FState.TextBackground;
    FState.FontSavedFill = FState.FillColor;
    if (!FInput.Selected) {
        SetTextColor(ColorValue(tag.Attribute(QLatin1String("COLOR")), FState.TextColor));
        FState.TextBackground = ColorValue(tag.Attribute(QLatin1String("BGCOLOR")), FState.TextBackground);
    }
    const double size = FontTagSize(tag);
    if (size >= 0) {
        TKestGraphicsFont font;
        TKestUtils::SetFontSize(font, std::clamp(size, 1.0, MaxFontSize));
        FState.FontHeight = font.Height();
    }
}

bool TKestHTMLLayout::HandleListItem(const TKestHTMLTag& tag, TLineRun& run)
{
    if (run.ListItems > 0)
        return false;
    ++run.ListItems;
    run.X = run.StartX + 12.0f * float(FState.ListLevel);
    if (Drawing(run.Pass) && !FState.Hidden) {
        const QString type = tag.Attribute(QLatin1String("TYPE")).toUpper();
        const TColor color = ColorValue(tag.Attribute(QLatin1String("COLOR")), FState.TextColor);
        const float middle = run.Bottom() - TextLineHeight() / 2;
        const TRectF box(run.X, middle - 4, run.X + 8, middle + 4);
        if (type == QLatin1String("SQUARE") || type == QLatin1String("CIRCLE")) {
            FCanvas.SetFillKind(gfkSolid);
            FCanvas.SetFillColor(color);
            FCanvas.SetStrokeKind(gskNone);
            if (type == QLatin1String("SQUARE"))
                FCanvas.DrawRectangle(box, gcrmShrinkAll);
            else
                FCanvas.DrawEllipse(box, gcrmShrinkAll);
            FCanvas.SetFillColor(FState.FillColor);
        } else {
            const TKestHTMLTextState kept = FState;
            FState.Style = {};
            FState.TextColor = color;
            FState.TextBackground = TColor(-1);
            FState.Shadow = FState.ErrorMark = false;
            const QString bullet = FState.ListLevel % 2 ? QStringLiteral("\u2022") : QStringLiteral("o");
            const TSizeF size = Measure(bullet);
            DrawRunText(bullet, TRectF(run.X, run.Bottom() - size.Height, run.X + size.Width, run.Bottom()));
            FState = kept;
        }
    }
    run.X += 12;
    return true;
}

void TKestHTMLLayout::HandleRule(const TKestHTMLTag& tag, TLineRun& run)
{
    run.Ended = true;
    if (!Drawing(run.Pass))
        return;
    const float y = run.Bottom() + run.Line.SubscriptExtra + 1;
    FCanvas.SetStrokeKind(gskSolid);
    FCanvas.SetStrokeWidth(1);
    FCanvas.SetStrokeColor(ColorValue(tag.Attribute(QLatin1String("COLOR")), clBlack));
    FCanvas.DrawLine(TPointF(FInput.Rect.Left, y), TPointF(FInput.Rect.Right, y));
}

void TKestHTMLLayout::HandleParagraph(const TKestHTMLTag& tag, TLineRun& run)
{
    const QString align = tag.Attribute(QLatin1String("ALIGN")).toUpper();
    if (align.contains(QLatin1String("RIGHT")))
        run.Line.Align = 1;
    else if (align.contains(QLatin1String("LEFT")))
        run.Line.Align = 0;
    else if (align.contains(QLatin1String("CENTER")))
        run.Line.Align = 2;
    if (tag.HasAttribute(QLatin1String("INDENT")))
        run.Line.Indent = float(tag.NumberAttribute(QLatin1String("INDENT")));
    const QString background = tag.Attribute(QLatin1String("BGCOLOR"));
    const bool color = !background.isEmpty() && !tag.HasAttribute(QLatin1String("BGCOLORTO"));
    const QString picture = tag.Attribute(QLatin1String("BACKGROUND"));
    if (color || !picture.isEmpty()) {
        FState.ParagraphBackground = true;
        FState.ParagraphColor = color ? ColorValue(background, TColor(-1)) : TColor(-1);
        FState.ParagraphPicture = picture;
        FState.ParagraphSavedFill = FState.FillColor;
        if (run.Pass == TKestHTMLPass::Measure) {
            run.Line.Background = FState.ParagraphColor;
            run.Line.BackgroundPicture = picture;
        }
    }
}
