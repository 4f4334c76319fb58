// The line loop of DrawHTML, the canvas font kept in step with the layout
// state, and the hit test of a laid-out line.

#include "graphics/html/KestHTMLLayout.h"

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestHTMLPictures.h"
#include "graphics/html/KestHTMLReader.h"

#include <QScopeGuard>
#include <algorithm>

namespace {

const TRectF MeasureRect(0, 0, 10000, 10000);

}

TKestHTMLLayout::TKestHTMLLayout(TKestGraphics& canvas, const TKestHTMLDrawInput& input,
                                 TKestHTMLDrawOutput& output)
    : FCanvas(canvas), FInput(input), FOutput(output), FFont(std::make_unique<TKestGraphicsFont>()),
      FFontMeasures(TKestHTMLMeasureStore::For(canvas)),
      FPictures(std::make_unique<TKestHTMLPictures>(input.PictureContainer, input.ImageList))
{
    TKestGraphicsFont* font = canvas.Font();
    FFont->Assign(font);
    FState.FontName = font->Name();
    FState.FontHeight = font->Height();
    FState.Style = font->Style();
    FState.TextColor = font->Color();
    FState.FillColor = canvas.Fill()->Color();
    FState.SavedColor = FState.TextColor;
    FState.LinkSavedColor = FState.TextColor;
    FState.HilightSavedColor = FState.TextColor;
    FState.FontSavedFill = FState.FillColor;
    FState.ParagraphSavedFill = FState.FillColor;
    FStart = FState;
}

TKestHTMLLayout::~TKestHTMLLayout() = default;

bool TKestHTMLLayout::Run()
{
    FOutput = TKestHTMLDrawOutput();
    FText = TKestHTMLReader::PrepareMarkup(FInput.Text);
    std::unique_ptr<TKestGraphicsSaveState> saved = FCanvas.SaveState();
    auto restore = qScopeGuard([&] { FCanvas.RestoreState(std::move(saved)); });

    const TRectF& rect = FInput.Rect;
    TKestHTMLReader reader(FText, 0, FText.size());
    reader.TrimEnd();
    float y = rect.Top, total = 0;
    int align = 0;
    float indent = 0;
    while (true) {
        reader.SkipSpaces();
        const QStringView remaining = reader.Remaining();
        if (remaining.isEmpty() || (remaining.size() <= 2 && remaining.startsWith(QLatin1Char('<'))))
            break;
        const TKestHTMLTextState lineStart = FState;
        const qsizetype start = reader.Pos();
        TKestHTMLLineMetrics line;
        line.Align = align;
        line.Indent = indent;
        line.StartX = rect.Left + LeftMargin(y);
        line.Available = rect.Right - rect.Left - LeftMargin(y) - RightMargin(y);
        FFinalPass = FInput.MeasureOnly;
        DrawHTMLLine(reader, line.StartX, y, TKestHTMLPass::Measure, line);
        // Every line takes something: no markup can make this loop stall.
        if (reader.Pos() == start)
            reader.Advance(1);
        ++FOutput.LineCount;
        FOutput.Width = std::max(FOutput.Width, line.StartX - rect.Left + line.Width + RightMargin(y) + 2);

        // Aligned between the floating pictures beside the line, a picture
        // that starts on it included.
        const float left = rect.Left + LeftMargin(y), right = rect.Right - RightMargin(y);
        float x = left;
        if (line.Align == 1 && right - line.Width > left)
            x = right - line.Width;
        else if (line.Align == 2 && (right - left - line.Width) / 2 > 0)
            x = left + (right - left - line.Width) / 2;
        x += line.Indent;
        const float height = line.Height + FInput.LineSpacing + line.SuperscriptExtra + line.SubscriptExtra;

        if (FInput.MeasureOnly) {
            PlaceHitItems(y, line, x - line.StartX);
        } else {
            FState = lineStart;
            FFinalPass = true;
            TKestHTMLReader lineReader(FText, start, reader.Pos());
            TKestHTMLLineMetrics drawn = line;
            DrawHTMLLine(lineReader, x, y, FInput.HotSpotCheck ? TKestHTMLPass::HitTest : TKestHTMLPass::Draw,
                         drawn);
            PlaceHitItems(y, line, 0);
        }
        align = line.ParagraphClosed ? 0 : line.Align;
        indent = line.ParagraphClosed ? 0 : line.Indent;
        y += height;
        total += height;
        if (!FInput.MeasureOnly && y > rect.Bottom + 1)
            break;
    }
    // Floating pictures reach below the text beside them.
    total = std::max({total, FFloatLeft.Bottom - rect.Top, FFloatRight.Bottom - rect.Top});
    FOutput.Height = total > 0 ? total : TextLineHeight();
    FOutput.LinkCount = FState.LinkCount;
    FHitMap.Answer(FInput.PointX, FInput.PointY, FInput.HotSpotCheck, FOutput);
    return FOutput.Hit;
}

bool TKestHTMLLayout::Keepable() const { return !FPictures->Consulted(); }

TRectF TKestHTMLLayout::ControlBox(float left, float width, float height, bool centered, float lineTop,
                                   const TKestHTMLLineMetrics& line)
{
    const float textTop = lineTop + line.SuperscriptExtra;
    const float top = centered ? textTop + (line.Height - height) / 2 : textTop + line.Height - height;
    return TRectF(left, top, left + width, top + height);
}

void TKestHTMLLayout::PlaceHitItems(float top, const TKestHTMLLineMetrics& line, float shift)
{
    const float bottom =
        top + line.Height + FInput.LineSpacing + line.SuperscriptExtra + line.SubscriptExtra;
    for (THitItem& item : FHitItems) {
        if (!item.Control) {
            FHitMap.AddLink(TRectF(item.Left + shift, top, item.Right + shift, bottom), item.Link, item.Target);
            continue;
        }
        TKestHTMLHitTarget control;
        control.Box = ControlBox(item.Left + shift, item.Right - item.Left, item.Height, item.Centered, top, line);
        control.Named = item.Named;
        control.ControlID = std::move(item.ControlID);
        control.ControlValue = std::move(item.ControlValue);
        control.ControlType = std::move(item.ControlType);
        FHitMap.AddControl(std::move(control));
    }
    FHitItems.clear();
}

void TKestHTMLLayout::ApplyFont()
{
    const TKestGraphicsFont* current = FCanvas.Font();
    if (current->Name() != FState.FontName || current->Height() != FState.FontHeight ||
        current->Style() != FState.Style) {
        FFont->SetName(FState.FontName);
        FFont->SetHeight(FState.FontHeight);
        FFont->SetStyle(FState.Style);
        FFont->SetColor(FState.TextColor);
        FCanvas.SetFont(FFont.get());
        FMeasures = nullptr;
    }
    if (current->Color() != FState.TextColor)
        FCanvas.SetFontColor(FState.TextColor);
    if (!FMeasures) {
        const QString key = FState.FontName + QLatin1Char('\n') + QString::number(FState.FontHeight) +
                            QLatin1Char('\n') + QString::number(int(FState.Style));
        FMeasures = &FFontMeasures[key];
    }
}

TSizeF TKestHTMLLayout::Measure(const QString& text)
{
    ApplyFont();
    // Words come back again and again: each is measured once per font.
    TKestHTMLFontMeasures& measures = *FMeasures;
    const auto known = measures.Sizes.constFind(text);
    if (known != measures.Sizes.constEnd())
        return *known;
    // The drawing library leaves trailing spaces out of a text's width;
    // they count here, or words drawn as separate runs would touch.
    qsizetype core = text.size();
    while (core > 0 && text.at(core - 1) == QLatin1Char(' '))
        --core;
    TSizeF size;
    if (core == text.size()) {
        const TRectF r = FCanvas.CalculateText(text, MeasureRect, false, false);
        size = TSizeF(r.Width(), r.Height());
    } else if (core == 0) {
        size = TSizeF(float(text.size()) * SpaceWidth(), TextLineHeight());
    } else {
        size = Measure(text.left(core));
        size.Width += float(text.size() - core) * SpaceWidth();
    }
    // Measuring the space and the line height may have added entries;
    // the font, and so the table, is still the same.
    FMeasures->Sizes.insert(text, size);
    return size;
}

float TKestHTMLLayout::TextLineHeight()
{
    ApplyFont();
    if (FMeasures->LineHeight < 0)
        FMeasures->LineHeight = Measure(QStringLiteral("gh")).Height;
    return FMeasures->LineHeight;
}

float TKestHTMLLayout::SpaceWidth()
{
    ApplyFont();
    if (FMeasures->SpaceWidth < 0) {
        // A space between two letters, as it stands between words.
        FMeasures->SpaceWidth = Measure(QStringLiteral("x x")).Width - Measure(QStringLiteral("xx")).Width;
    }
    return FMeasures->SpaceWidth;
}
