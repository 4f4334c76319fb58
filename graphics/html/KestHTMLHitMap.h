#pragma once
// What a laid-out view offers the mouse: the rectangles of its links' runs
// and of its controls, in the order they were placed, and each link's runs
// united. Any point is answered from it without laying the text out again.

#include "framework/FloatGeometry.h"
#include "graphics/html/KestHTMLDrawRecords.h"

#include <QString>
#include <vector>

#pragma GCC visibility push(default)

struct TKestHTMLHitTarget {
    TRectF Box;
    // The link's number; 0 for a control.
    int Link = 0;
    QString Target;
    bool Control = false;
    // A control whose ID the caller named: hit whatever the point when
    // only hit-testing.
    bool Named = false;
    QString ControlID, ControlValue, ControlType;
};

class TKestHTMLHitMap {
public:
    void AddLink(const TRectF& box, int link, const QString& target);
    void AddControl(TKestHTMLHitTarget control);
    // Sets the output's hit fields (hit, anchor, hovered link and its
    // rectangle, control) for the point; a later target wins over an
    // earlier one, as it lies on top.
    void Answer(int x, int y, bool hotSpotCheck, TKestHTMLDrawOutput& output) const;

private:
    std::vector<TKestHTMLHitTarget> FTargets;
    // Per link number (index 0 unused).
    std::vector<TRectF> FLinkRects;
};

#pragma GCC visibility pop
