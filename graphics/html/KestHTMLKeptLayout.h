#pragma once
// The last view laid out on a thread, kept as a text view keeps its layout:
// a hit test or measure with the same markup, rectangle, canvas font and
// flags (only the point may differ) is answered from it without laying the
// text out again. Any other input replaces it. Layouts that read pictures
// are not kept: their sources may change without the inputs changing.

#include "graphics/html/KestHTMLDrawRecords.h"
#include "graphics/html/KestHTMLHitMap.h"

#include <QString>
#include <typeinfo>

#pragma GCC visibility push(default)

class TKestGraphics;

class TKestHTMLKeptLayout {
public:
    // Fills the output from the kept layout when it was made from the same
    // inputs; false when the caller must lay the text out.
    static bool Answer(const TKestGraphics& canvas, const TKestHTMLDrawInput& input, TKestHTMLDrawOutput& output);
    // Keeps the layout a call made, with its results.
    static void Keep(const TKestGraphics& canvas, const TKestHTMLDrawInput& input, const TKestHTMLDrawOutput& output,
                     TKestHTMLHitMap hitMap);
    // Forgets the kept layout.
    static void Clear();

private:
    // What the layout depends on besides the input: the canvas (its
    // back-end measures text), its font and fill.
    struct TCanvasKey {
        const void* Canvas = nullptr;
        const std::type_info* Type = nullptr;
        QString FontName;
        int FontHeight = 0;
        int FontStyle = 0;
        int FontCharset = 0;
        int FontOrientation = 0;
        qint32 FontColor = 0;
        qint32 FillColor = 0;
        bool operator==(const TCanvasKey&) const = default;
    };
    static TCanvasKey CanvasKey(const TKestGraphics& canvas);
    // The input without what the kept layout answers for itself.
    static TKestHTMLDrawInput LayoutInput(const TKestHTMLDrawInput& input);
    bool Matches(const TCanvasKey& canvas, const TKestHTMLDrawInput& input) const;

    bool FValid = false;
    TCanvasKey FCanvas;
    TKestHTMLDrawInput FInput;
    TKestHTMLDrawOutput FOutput;
    TKestHTMLHitMap FHitMap;
};

#pragma GCC visibility pop
