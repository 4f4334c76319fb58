#pragma once
// The markup engine as the canvas sees it. The canvas lays out and draws
// text that looks like markup through the engine registered here; the HTML
// engine registers itself at start-up. While none is registered, markup is
// drawn and measured as plain text and highlighting leaves text unchanged.

#include "framework/Color.h"
#include "framework/Enums.h"
#include "framework/FloatGeometry.h"
#include "graphics/KestGraphics.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TImageList;
class TPictureContainer;

// One call of the engine: measure (CalculateOnly) or draw the markup in
// Rect, or only find the link under (X, Y) (TestAnchor).
struct TKestMarkupRequest {
    QString Text;
    TRectF Rect;
    bool CalculateOnly = false;
    bool TestAnchor = false;
    int X = -1;
    int Y = -1;
    bool WordWrap = false;
    double Scale = 1.0;
    TColor URLColor = 0xFF0000;
    bool URLUnderline = true;
    TColor HighlightColor = 0;
    TColor HighlightTextColor = 0;
    TFontStyles HighlightFontStyle;
    TPictureContainer* PictureContainer = nullptr;
    TImageList* ImageList = nullptr;
};

struct TKestMarkupResult {
    // The point is over a link or a control.
    bool Hit = false;
    // The target of the link under the point.
    QString Anchor;
    TSizeF Extent;
    int LineCount = 0;
    TKestGraphicsControlData Control;
};

class IKestGraphicsMarkup {
public:
    virtual ~IKestGraphicsMarkup() = default;
    virtual TKestMarkupResult DrawHTML(TKestGraphics& graphics, const TKestMarkupRequest& request) = 0;
    virtual QString HilightMarkup(const QString& text, const QString& hilight, const QString& tag, bool doCase) = 0;
};

// The registered engine, or none.
IKestGraphicsMarkup* KestGraphicsMarkup();
// Replaces the registered engine (none unregisters it).
void RegisterKestGraphicsMarkup(std::unique_ptr<IKestGraphicsMarkup> engine);

#pragma GCC visibility pop
