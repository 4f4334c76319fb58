#include "graphics/win/WinPolygonOutline.h"

using GdiplusFlat::TGPPointF;

namespace KestGraphicsWin {

void TWinPolygonOutline::BeginFigure()
{
    if (FFigureStarts.back() != FPoints.size())
        FFigureStarts.push_back(FPoints.size());
}

void TWinPolygonOutline::AddSide(const TGPPointF& from, const TGPPointF& to)
{
    const bool continues =
        FFigureStarts.back() < FPoints.size() && FPoints.back().X == from.X && FPoints.back().Y == from.Y;
    if (!continues)
        FPoints.push_back(from);
    FPoints.push_back(to);
}

std::vector<TGPPointF> TWinPolygonOutline::Joined() const
{
    std::vector<TGPPointF> joined;
    std::vector<TGPPointF> starts;
    joined.reserve(FPoints.size() + 2 * FFigureStarts.size());
    for (size_t figure = 0; figure < FFigureStarts.size(); ++figure) {
        const size_t begin = FFigureStarts[figure];
        const size_t end = figure + 1 < FFigureStarts.size() ? FFigureStarts[figure + 1] : FPoints.size();
        // Fewer than three corners enclose nothing.
        if (end - begin < 3)
            continue;
        joined.insert(joined.end(), FPoints.begin() + std::ptrdiff_t(begin), FPoints.begin() + std::ptrdiff_t(end));
        joined.push_back(FPoints[begin]);
        starts.push_back(FPoints[begin]);
    }
    // Back along the bridges; the polygon's own close ends at the first start.
    for (size_t i = starts.size(); i-- > 1;)
        joined.push_back(starts[i - 1]);
    return joined;
}

}
