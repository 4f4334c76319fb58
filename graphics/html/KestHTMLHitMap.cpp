#include "graphics/html/KestHTMLHitMap.h"

#include <algorithm>

namespace {

bool Within(float value, float low, float high) { return value >= low && value < high; }

TRectF United(const TRectF& a, const TRectF& b)
{
    if (a.Right <= a.Left)
        return b;
    return TRectF(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                  std::max(a.Bottom, b.Bottom));
}

}

void TKestHTMLHitMap::AddLink(const TRectF& box, int link, const QString& target)
{
    if (link >= int(FLinkRects.size()))
        FLinkRects.resize(link + 1);
    FLinkRects[link] = United(FLinkRects[link], box);
    TKestHTMLHitTarget item;
    item.Box = box;
    item.Link = link;
    item.Target = target;
    FTargets.push_back(std::move(item));
}

void TKestHTMLHitMap::AddControl(TKestHTMLHitTarget control)
{
    control.Control = true;
    FTargets.push_back(std::move(control));
}

void TKestHTMLHitMap::Answer(int x, int y, bool hotSpotCheck, TKestHTMLDrawOutput& output) const
{
    const TKestHTMLDrawOutput none;
    output.Hit = none.Hit;
    output.Anchor = none.Anchor;
    output.HoveredLink = none.HoveredLink;
    output.LinkRect = none.LinkRect;
    output.ControlRect = none.ControlRect;
    output.ControlID = none.ControlID;
    output.ControlValue = none.ControlValue;
    output.ControlType = none.ControlType;
    const float px = float(x), py = float(y);
    for (const TKestHTMLHitTarget& item : FTargets) {
        const TRectF& box = item.Box;
        const bool over = Within(px, box.Left, box.Right) && Within(py, box.Top, box.Bottom);
        if (!over && !(item.Control && item.Named && hotSpotCheck))
            continue;
        output.Hit = true;
        if (item.Control) {
            output.Anchor = QStringLiteral("ctrl");
            output.ControlRect = box;
            output.ControlID = item.ControlID;
            output.ControlValue = item.ControlValue;
            output.ControlType = item.ControlType;
        } else {
            output.Anchor = item.Target;
            output.HoveredLink = item.Link;
        }
    }
    if (output.HoveredLink > 0 && output.HoveredLink < int(FLinkRects.size()))
        output.LinkRect = FLinkRects[output.HoveredLink];
}
