#pragma once
// The mini-HTML text engine: lays out, draws and hit-tests markup on the
// graphics canvas, and wraps search matches of visible text in a tag. The
// canvas reaches it through its markup interface once
// RegisterKestHTMLEngine has run.

#include "graphics/KestGraphicsMarkup.h"
#include "graphics/html/KestHTMLDrawRecords.h"

#pragma GCC visibility push(default)

class TKestGraphicsHTMLEngine : public IKestGraphicsMarkup {
public:
    // Measures (MeasureOnly), draws or hit-tests (HotSpotCheck) the markup;
    // true when the point is over a link or a control. The canvas's font,
    // fill and stroke are as before when it returns. Malformed markup
    // never raises.
    static bool DrawHTML(TKestGraphics& canvas, const TKestHTMLDrawInput& input, TKestHTMLDrawOutput& output);

    // The canvas's markup interface.
    TKestMarkupResult DrawHTML(TKestGraphics& graphics, const TKestMarkupRequest& request) override;
    QString HilightMarkup(const QString& text, const QString& hilight, const QString& tag, bool doCase) override;
};

// Makes the canvas draw markup through this engine.
void RegisterKestHTMLEngine();

#pragma GCC visibility pop
