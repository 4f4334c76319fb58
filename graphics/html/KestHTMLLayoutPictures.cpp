// Pictures in the markup: inline pictures on the line, pictures floating
// at a side with the text beside them, and the body's and paragraphs'
// background pictures.

#include "graphics/html/KestHTMLLayout.h"

#include "framework/Picture.h"
#include "framework/Rounding.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestHTMLLine.h"
#include "graphics/html/KestHTMLPictures.h"
#include "graphics/html/KestHTMLTag.h"
#include "pictures/KestBitmap.h"

#include <algorithm>

namespace {

// Sizes beyond any surface are held here, so sums of them stay finite.
constexpr float MaxPictureSide = 100000;

// The drawn size: both sides given, one side with the other kept in
// proportion, or the picture's own size. The picture has a size (a
// picture without one is never found), so the proportion never divides
// by zero.
TSizeF PictureSize(const TKestHTMLTag& tag, const TPicture& picture)
{
    const float pw = float(picture.Width()), ph = float(picture.Height());
    const bool hasWidth = tag.HasAttribute(QLatin1String("WIDTH"));
    const bool hasHeight = tag.HasAttribute(QLatin1String("HEIGHT"));
    const float w = std::clamp(float(tag.NumberAttribute(QLatin1String("WIDTH"))), 0.0f, MaxPictureSide);
    const float h = std::clamp(float(tag.NumberAttribute(QLatin1String("HEIGHT"))), 0.0f, MaxPictureSide);
    TSizeF size(pw, ph);
    if (hasWidth && hasHeight)
        size = TSizeF(w, h);
    else if (hasWidth)
        size = TSizeF(w, float(Kest::Round(double(w) * ph / pw)));
    else if (hasHeight)
        size = TSizeF(float(Kest::Round(double(h) * pw / ph)), h);
    size.Width = std::min(size.Width, MaxPictureSide);
    size.Height = std::min(size.Height, MaxPictureSide);
    return size;
}

}

bool TKestHTMLLayout::HandlePicture(const TKestHTMLTag& tag, TLineRun& run)
{
    const QString source = tag.Attribute(QLatin1String("SRC"));
    TPicture* picture = FState.Hidden ? nullptr : FPictures->Find(source, true);
    if (!picture)
        return true;
    const TSizeF size = PictureSize(tag, *picture);
    if (!(size.Width > 0 && size.Height > 0))
        return true;
    const QString side = tag.Attribute(QLatin1String("FLOAT")).toUpper();
    if (side == QLatin1String("LEFT") || side == QLatin1String("RIGHT"))
        return HandleFloatingPicture(picture, size, side == QLatin1String("LEFT"), run);

    const bool measuring = run.Pass == TKestHTMLPass::Measure;
    // A picture that no longer fits starts the next line; on a line that
    // has placed nothing it is taken whatever its width.
    if (measuring && FInput.WordWrap && run.Placed && run.X + size.Width - run.StartX > run.Available)
        return false;
    const QString align = tag.Attribute(QLatin1String("ALIGN")).toUpper();
    const bool middle = align == QLatin1String("MIDDLE");
    TKestHTMLLineMetrics& line = run.Line;
    if (measuring) {
        const float text = TextLineHeight();
        // A wrapping picture hangs beside the following lines instead of
        // making its own line taller.
        if (!tag.HasAttribute(QLatin1String("WRAP")))
            line.Height = std::max(line.Height, size.Height);
        if (middle)
            line.PictureOffset = std::max(line.PictureOffset, (size.Height - text) / 2);
        else if (align == QLatin1String("TOP"))
            line.PictureOffset = std::max(line.PictureOffset, size.Height - text);
    }
    const bool listPicture = TKestHTMLPictures::IsIndex(source);
    if (Drawing(run.Pass) && !(listPicture && FInput.NoImageListDrawing)) {
        float top = run.Bottom() - size.Height;
        if (middle && size.Height < line.Height)
            top = run.Top + line.SuperscriptExtra + (line.Height - size.Height) / 2;
        FCanvas.DrawBitmap(TRectF(run.X, top, run.X + size.Width, top + size.Height), picture, false, true, false);
    }
    AddLinkItem(run, size.Width);
    run.X += size.Width + 2;
    run.TrailingSpace = 0;
    run.Placed = true;
    return true;
}

bool TKestHTMLLayout::HandleFloatingPicture(TPicture* picture, TSizeF size, bool left, TLineRun& run)
{
    TKestHTMLLineMetrics& line = run.Line;
    if (Drawing(run.Pass)) {
        if (line.Floating)
            FCanvas.DrawBitmap(line.FloatRect, picture, false, true, false);
        return true;
    }
    if (run.Pass != TKestHTMLPass::Measure)
        return true;
    // A floating picture starts a line: text before it stays on the line above.
    if (run.Placed || line.Floating)
        return false;
    const TRectF& rect = FInput.Rect;
    TFloatSide& floatSide = left ? FFloatLeft : FFloatRight;
    const bool stacked = floatSide.Active(run.Top);
    TRectF box;
    if (left) {
        box = TRectF(run.StartX, run.Top, run.StartX + size.Width, run.Top + size.Height);
        floatSide.Margin = box.Right + 2 - rect.Left;
        run.StartX = run.X = box.Right + 2;
        line.StartX = run.StartX;
    } else {
        const float right = rect.Right - RightMargin(run.Top);
        box = TRectF(right - size.Width, run.Top, right, run.Top + size.Height);
        floatSide.Margin = rect.Right - box.Left + 2;
    }
    floatSide.Bottom = stacked ? std::max(floatSide.Bottom, box.Bottom) : box.Bottom;
    run.Available -= size.Width + 2;
    line.Floating = true;
    line.FloatRect = box;
    return true;
}

void TKestHTMLLayout::HandleBody(const TKestHTMLTag& tag, TLineRun& run)
{
    if (!Drawing(run.Pass) || FInput.Selected)
        return;
    const TRectF& r = FInput.Rect;
    const QString background = tag.Attribute(QLatin1String("BGCOLOR"));
    if (!background.isEmpty() && !tag.HasAttribute(QLatin1String("BGCOLORTO")))
        FillArea(TRectF(r.Left - 2, r.Top, r.Right, r.Bottom), ColorValue(background, FState.FillColor));
    DrawBackgroundPicture(tag.Attribute(QLatin1String("BACKGROUND")), r, true, false);
    DrawBackgroundPicture(tag.Attribute(QLatin1String("BGTOPLEFT")), r, false, false);
    DrawBackgroundPicture(tag.Attribute(QLatin1String("BGTOPRIGHT")), r, false, true);
}

void TKestHTMLLayout::DrawBackgroundPicture(const QString& source, const TRectF& rect, bool tiled, bool right)
{
    auto* picture = qobject_cast<TKestBitmap*>(FPictures->Find(source, false));
    if (!picture)
        return;
    // Tiles and corner pictures stay inside the rectangle.
    std::unique_ptr<TKestGraphicsSaveState> kept = FCanvas.SaveState();
    FCanvas.ClipRect(rect);
    if (tiled) {
        TKestGraphicsFill fill(gfkTexture, clWhite);
        fill.SetTexture(picture);
        fill.SetTextureMode(gtmTile);
        FCanvas.SetFill(&fill);
        FCanvas.SetStrokeKind(gskNone);
        FCanvas.DrawRectangle(rect, gcrmShrinkAll);
    } else {
        const float w = float(picture->Width()), h = float(picture->Height());
        const float left = right ? rect.Right - w : rect.Left;
        FCanvas.DrawBitmap(TRectF(left, rect.Top, left + w, rect.Top + h), picture, false, true, false);
    }
    FCanvas.RestoreState(std::move(kept));
}
