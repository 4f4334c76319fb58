// One line of markup: runs of text measured, wrapped, drawn and recorded
// for the hit test, tags handed to their handlers, until a tag or the
// rectangle's width ends the line.

#include "graphics/html/KestHTMLLayout.h"

#include "framework/Rounding.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestHTMLLine.h"
#include "graphics/html/KestHTMLReader.h"
#include "graphics/html/KestHTMLTag.h"

#include <algorithm>
#include <cmath>

void TKestHTMLLayout::DrawHTMLLine(TKestHTMLReader& reader, float x, float y, TKestHTMLPass pass,
                                   TKestHTMLLineMetrics& line)
{
    TLineRun run{pass, line, x, x + FState.Offset, y, line.Available};
    if (pass == TKestHTMLPass::Measure) {
        line.Height = TextLineHeight();
        line.Width = 0;
        line.SuperscriptExtra = line.SubscriptExtra = line.PictureOffset = 0;
        line.ParagraphClosed = false;
        line.Background = FState.ParagraphBackground ? FState.ParagraphColor : TColor(-1);
        line.BackgroundPicture = FState.ParagraphBackground ? FState.ParagraphPicture : QString();
    } else if (Drawing(pass)) {
        const TRectF area(FInput.Rect.Left, y, FInput.Rect.Right,
                          run.Bottom() + line.SubscriptExtra + FInput.LineSpacing);
        if (line.Background != TColor(-1))
            FillArea(area, line.Background);
        if (!line.BackgroundPicture.isEmpty())
            DrawBackgroundPicture(line.BackgroundPicture, area, true, false);
    }
    while (!reader.AtEnd() && !run.Ended) {
        if (!reader.AtTag()) {
            HandleRun(reader, run);
            continue;
        }
        FlushRuns(run);
        const qsizetype before = reader.Pos();
        const QStringView text = reader.ReadTag();
        if (text.isEmpty())
            break;
        if (!HandleTag(TKestHTMLTag(text), run)) {
            reader.Rewind(before);
            run.Ended = true;
        }
    }
    FlushRuns(run);
    if (pass == TKestHTMLPass::Measure)
        line.Width = std::max(0.0f, run.X - run.StartX - run.TrailingSpace);
}

void TKestHTMLLayout::HandleRun(TKestHTMLReader& reader, TLineRun& run)
{
    const QStringView raw = reader.PeekRun(FInput.WordWrap);
    const QString text = TKestHTMLReader::DecodeRun(raw);
    const bool measuring = run.Pass == TKestHTMLPass::Measure;
    if (FState.Hidden) {
        reader.Advance(raw.size());
        if (measuring)
            FOutput.PlainText += text;
        return;
    }
    const TSizeF size = Measure(text);
    const float trailing = text.endsWith(QLatin1Char(' ')) ? SpaceWidth() : 0;
    if (measuring && FInput.WordWrap && run.Placed) {
        // A line that has placed something ends before a run that does not
        // fit; a run wider than a whole line then starts the next one.
        if (run.X + size.Width - trailing - run.StartX > run.Available) {
            run.Ended = true;
            return;
        }
    }
    reader.Advance(raw.size());
    TKestHTMLLineMetrics& line = run.Line;
    if (measuring) {
        FOutput.PlainText += text;
        line.Height = std::max(line.Height, size.Height);
        if (FState.Superscript)
            line.SuperscriptExtra = std::max(line.SuperscriptExtra, size.Height / 4);
        if (FState.Subscript)
            line.SubscriptExtra = std::max(line.SubscriptExtra, size.Height / 4);
    }
    if (Drawing(run.Pass)) {
        float bottom = run.Bottom() - line.PictureOffset;
        if (FState.Subscript)
            bottom += line.SubscriptExtra;
        if (FState.Superscript)
            bottom -= line.SuperscriptExtra;
        QueueRun(run, text, TRectF(run.X, bottom - size.Height, run.X + size.Width, bottom));
    }
    if (!measuring && FState.InLink && FState.LinkNumber == FInput.FocusLink + 1)
        FOutput.FocusAnchor = FState.LinkTarget;
    AddLinkItem(run, size.Width);
    run.X += size.Width;
    run.TrailingSpace = trailing;
    run.Placed = true;
}

void TKestHTMLLayout::AddLinkItem(const TLineRun& run, float width)
{
    if (!FFinalPass || !FState.InLink)
        return;
    THitItem item;
    item.Left = run.X;
    item.Right = run.X + width;
    item.Link = FState.LinkNumber;
    item.Target = FState.LinkTarget;
    FHitItems.push_back(std::move(item));
}

void TKestHTMLLayout::QueueRun(TLineRun& run, const QString& text, const TRectF& rect)
{
    const TRectF& last = run.PendingRect;
    if (!run.PendingText.isEmpty() && std::abs(last.Right - rect.Left) < 0.01f && last.Top == rect.Top &&
        last.Bottom == rect.Bottom) {
        run.PendingText += text;
        run.PendingRect.Right = rect.Right;
        return;
    }
    FlushRuns(run);
    run.PendingText = text;
    run.PendingRect = rect;
}

void TKestHTMLLayout::FlushRuns(TLineRun& run)
{
    if (run.PendingText.isEmpty())
        return;
    DrawRunText(run.PendingText, run.PendingRect);
    run.PendingText.clear();
}

void TKestHTMLLayout::DrawRunText(const QString& text, const TRectF& rect)
{
    if (FState.TextBackground != TColor(-1))
        FillArea(rect, FState.TextBackground);
    // A little room on the right: the run's box is exactly its measured
    // width, and rounding must not cut its last glyph.
    const auto draw = [&](const TRectF& box) {
        FCanvas.DrawText(TRectF(box.Left, box.Top, box.Right + 2, box.Bottom), text, false, gtaLeading, gtaLeading,
                         gttNone, 0, -1, -1, false);
    };
    if (FState.Shadow) {
        ApplyFont();
        FCanvas.SetFontColor(FInput.ShadowColor);
        const float d = FInput.ShadowOffset;
        draw(TRectF(rect.Left + d, rect.Top + d, rect.Right + d, rect.Bottom + d));
    }
    ApplyFont();
    draw(rect);
    if (FState.ErrorMark)
        DrawErrorMark(rect);
}

void TKestHTMLLayout::DrawErrorMark(const TRectF& rect)
{
    // Offsets far outside any surface draw nothing and must not overflow.
    if (!(rect.Left > -1e6f && rect.Right < 1e6f))
        return;
    FCanvas.SetStrokeKind(gskSolid);
    FCanvas.SetStrokeColor(clRed);
    FCanvas.SetStrokeWidth(1);
    const int start = Kest::Round(rect.Left);
    const int end = int(rect.Right);
    const float bottom = rect.Bottom;
    bool low = start % 4 == 0;
    for (int x = start; x < end; x += 2) {
        const float from = low ? bottom + 1 : bottom - 1;
        const float to = low ? bottom - 1 : bottom + 1;
        FCanvas.DrawLine(TPointF(float(x), from), TPointF(float(std::min(x + 2, end)), to));
        low = !low;
    }
}

void TKestHTMLLayout::FillArea(const TRectF& rect, TColor color)
{
    FCanvas.SetFillKind(gfkSolid);
    FCanvas.SetFillColor(color);
    FCanvas.SetStrokeKind(gskSolid);
    FCanvas.SetStrokeColor(color);
    FCanvas.SetStrokeWidth(1);
    FCanvas.DrawRectangle(rect, gcrmShrinkAll);
    FCanvas.SetFillColor(FState.FillColor);
}
