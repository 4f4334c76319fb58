#include "graphics/win/WinGradientStops.h"

#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/win/WinColor.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace KestGraphicsWin {

using namespace GdiplusFlat;

namespace {

struct TStop {
    REAL Position;
    TColor Color;
    float Opacity;
};

std::vector<TStop> RawStops(const TKestCustomGraphicsFill& fill)
{
    const float opacity = fill.Opacity();
    if (fill.GradientMode() == gfgmCollection) {
        std::vector<TStop> stops;
        const TKestGraphicsFillGradientItems& items = *fill.GradientItems();
        stops.reserve(size_t(items.Count()));
        for (int i = 0; i < items.Count(); ++i) {
            const TKestGraphicsFillGradientItem* item = items.GetItemEx(i);
            stops.push_back({item->Position(), item->Color(), item->Opacity()});
        }
        return stops;
    }
    if (fill.ColorMirror() == gcNull || fill.ColorMirrorTo() == gcNull)
        return {{0, fill.Color(), opacity}, {1, fill.ColorTo(), opacity}};
    return {{0, fill.Color(), opacity},
            {0.5f, fill.ColorTo(), opacity},
            {0.5f, fill.ColorMirror(), opacity},
            {1, fill.ColorMirrorTo(), opacity}};
}

// Sorted by position, held to 0..1; a stop without a position is dropped.
void Order(std::vector<TStop>& stops)
{
    std::erase_if(stops, [](const TStop& s) { return std::isnan(s.Position); });
    for (TStop& s : stops)
        s.Position = std::clamp(s.Position, REAL(0), REAL(1));
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TStop& a, const TStop& b) { return a.Position < b.Position; });
}

// The coloured stop nearest to stop i by position (the earlier one on a
// tie), or none when no stop has a colour.
std::optional<TColor> NearestColor(const std::vector<TStop>& stops, size_t i)
{
    std::optional<size_t> before, after;
    for (size_t j = i; j-- > 0;)
        if (stops[j].Color != gcNull) {
            before = j;
            break;
        }
    for (size_t j = i + 1; j < stops.size(); ++j)
        if (stops[j].Color != gcNull) {
            after = j;
            break;
        }
    if (before && after)
        return stops[i].Position - stops[*before].Position <= stops[*after].Position - stops[i].Position
                   ? stops[*before].Color
                   : stops[*after].Color;
    if (before)
        return stops[*before].Color;
    if (after)
        return stops[*after].Color;
    return std::nullopt;
}

ARGB StopColor(const std::vector<TStop>& stops, size_t i)
{
    const TStop& stop = stops[i];
    if (stop.Color != gcNull)
        return WinColor(stop.Color, stop.Opacity);
    const std::optional<TColor> nearest = NearestColor(stops, i);
    return nearest ? WinColor(*nearest, 0) : 0;
}

}

TWinGradientStops TWinGradientStops::Reversed() const
{
    TWinGradientStops result;
    result.Colors.assign(Colors.rbegin(), Colors.rend());
    result.Positions.reserve(Positions.size());
    for (auto it = Positions.rbegin(); it != Positions.rend(); ++it)
        result.Positions.push_back(1 - *it);
    return result;
}

TWinGradientStops WinGradientStops(const TKestCustomGraphicsFill& fill)
{
    std::vector<TStop> stops = RawStops(fill);
    Order(stops);
    TWinGradientStops result;
    if (stops.empty())
        return result;
    result.Colors.reserve(stops.size() + 2);
    result.Positions.reserve(stops.size() + 2);
    for (size_t i = 0; i < stops.size(); ++i) {
        result.Colors.push_back(StopColor(stops, i));
        result.Positions.push_back(stops[i].Position);
    }
    if (result.Positions.front() != 0) {
        result.Colors.insert(result.Colors.begin(), result.Colors.front());
        result.Positions.insert(result.Positions.begin(), 0);
    }
    if (result.Positions.back() != 1) {
        result.Colors.push_back(result.Colors.back());
        result.Positions.push_back(1);
    }
    return result;
}

}
