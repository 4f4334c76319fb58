#include "graphics/html/KestHTMLKeptLayout.h"

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"

namespace {

// One per thread: canvases are drawn on the thread that owns them.
thread_local TKestHTMLKeptLayout Kept;

// The same text: the same shared block (cheap, and exact since a shared
// block cannot change), else the same characters.
bool SameText(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    if (a.isSharedWith(b) && a.constData() == b.constData())
        return true;
    return a == b;
}

}

TKestHTMLKeptLayout::TCanvasKey TKestHTMLKeptLayout::CanvasKey(const TKestGraphics& canvas)
{
    const TKestGraphicsFont* font = canvas.Font();
    TCanvasKey key;
    // The back-end measures the text: a canvas may switch between its two.
    const TKestGraphicsContext* context = canvas.Context();
    key.Canvas = context;
    key.Type = context ? &typeid(*context) : nullptr;
    key.FontName = font->Name();
    key.FontHeight = font->Height();
    key.FontStyle = int(font->Style());
    key.FontCharset = int(font->Charset());
    key.FontOrientation = font->Orientation();
    key.FontColor = font->Color();
    key.FillColor = canvas.Fill()->Color();
    return key;
}

TKestHTMLDrawInput TKestHTMLKeptLayout::LayoutInput(const TKestHTMLDrawInput& input)
{
    TKestHTMLDrawInput layout = input;
    layout.Text.clear();
    layout.PointX = layout.PointY = -1;
    // Drawing and hit-testing lay out alike; the hit map tells named
    // controls apart by itself.
    layout.HotSpotCheck = false;
    return layout;
}

bool TKestHTMLKeptLayout::Matches(const TCanvasKey& canvas, const TKestHTMLDrawInput& input) const
{
    return FValid && FCanvas == canvas && SameText(FInput.Text, input.Text) && LayoutInput(FInput) == LayoutInput(input);
}

bool TKestHTMLKeptLayout::Answer(const TKestGraphics& canvas, const TKestHTMLDrawInput& input,
                                 TKestHTMLDrawOutput& output)
{
    if (!Kept.Matches(CanvasKey(canvas), input))
        return false;
    output = Kept.FOutput;
    Kept.FHitMap.Answer(input.PointX, input.PointY, input.HotSpotCheck, output);
    return true;
}

void TKestHTMLKeptLayout::Keep(const TKestGraphics& canvas, const TKestHTMLDrawInput& input,
                               const TKestHTMLDrawOutput& output, TKestHTMLHitMap hitMap)
{
    Kept.FValid = true;
    Kept.FCanvas = CanvasKey(canvas);
    Kept.FInput = input;
    // Text over a caller's buffer (not reference-counted) is copied: the
    // buffer may go before the next call.
    if (!Kept.FInput.Text.isDetached() && !Kept.FInput.Text.isSharedWith(input.Text))
        Kept.FInput.Text = QString(input.Text.constData(), input.Text.size());
    Kept.FOutput = output;
    Kept.FHitMap = std::move(hitMap);
}

void TKestHTMLKeptLayout::Clear() { Kept = TKestHTMLKeptLayout(); }
