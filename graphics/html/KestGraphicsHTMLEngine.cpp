#include "graphics/html/KestGraphicsHTMLEngine.h"

#include "graphics/html/KestHTMLHilight.h"
#include "graphics/html/KestHTMLKeptLayout.h"
#include "graphics/html/KestHTMLLayout.h"

bool TKestGraphicsHTMLEngine::DrawHTML(TKestGraphics& canvas, const TKestHTMLDrawInput& input,
                                       TKestHTMLDrawOutput& output)
{
    // Hit tests and measures come again and again for the same view: they
    // are answered from its kept layout. A draw always draws.
    if ((input.MeasureOnly || input.HotSpotCheck) && TKestHTMLKeptLayout::Answer(canvas, input, output))
        return output.Hit;
    TKestHTMLLayout layout(canvas, input, output);
    const bool hit = layout.Run();
    if (layout.Keepable())
        TKestHTMLKeptLayout::Keep(canvas, input, output, layout.TakeHitMap());
    return hit;
}

TKestMarkupResult TKestGraphicsHTMLEngine::DrawHTML(TKestGraphics& graphics, const TKestMarkupRequest& request)
{
    TKestHTMLDrawInput input;
    input.Text = request.Text;
    input.Rect = request.Rect;
    input.PointX = request.X;
    input.PointY = request.Y;
    input.MeasureOnly = request.CalculateOnly;
    input.HotSpotCheck = request.TestAnchor;
    input.WordWrap = request.WordWrap;
    input.ScaleFactor = request.Scale;
    input.LinkColor = request.URLColor;
    input.LinkUnderline = request.URLUnderline;
    input.HighlightBackground = request.HighlightColor;
    input.HighlightTextColor = request.HighlightTextColor;
    input.HighlightFontStyle = request.HighlightFontStyle;
    input.PictureContainer = request.PictureContainer;
    input.ImageList = request.ImageList;

    TKestHTMLDrawOutput output;
    TKestMarkupResult result;
    result.Hit = DrawHTML(graphics, input, output);
    result.Anchor = output.Anchor;
    result.Extent = TSizeF(output.Width, output.Height);
    result.LineCount = output.LineCount;
    result.Control.ID = output.ControlID;
    result.Control.Value = output.ControlValue;
    result.Control.Type = output.ControlType;
    return result;
}

QString TKestGraphicsHTMLEngine::HilightMarkup(const QString& text, const QString& hilight, const QString& tag,
                                              bool doCase)
{
    return TKestHTMLHilight::HilightMarkup(text, hilight, tag, doCase);
}

void RegisterKestHTMLEngine() { RegisterKestGraphicsMarkup(std::make_unique<TKestGraphicsHTMLEngine>()); }
