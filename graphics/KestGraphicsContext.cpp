#include "graphics/KestGraphicsContext.h"

#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsPathWalk.h"

TKestGraphicsContext::~TKestGraphicsContext() = default;

namespace {

// Feeds the walk of a vector path into a back-end's path building calls.
struct TContextPathSink {
    TKestGraphicsContext& Context;
    TKestGraphicsContextPath& Path;

    void Move(const TPointF& p)
    {
        Context.PathOpen(Path);
        Context.PathMoveTo(Path, p);
    }
    void Line(const TPointF& p) { Context.PathLineTo(Path, p); }
    void Close(const TPointF&) { Context.PathClose(Path); }
    void Curve(const TKestGraphicsPathCubicBezier& b, int pointCount) { Context.PathCurveTo(Path, b, pointCount); }
};

}

void TKestGraphicsContext::PathCurveTo(TKestGraphicsContextPath& path, const TKestGraphicsPathCubicBezier& curve,
                                       int pointCount)
{
    if (pointCount > 1)
        KestPathWalk::ForEachBezierPoint(curve, pointCount, [&](const TPointF& p) { PathLineTo(path, p); });
    else
        PathLineTo(path, curve[3]);
}

std::unique_ptr<TKestGraphicsContextPath> TKestGraphicsContext::ConvertToPath(const TKestGraphicsPath& path,
                                                                              float flatness)
{
    std::unique_ptr<TKestGraphicsContextPath> result = CreatePath();
    if (!result)
        return result;
    TContextPathSink sink{*this, *result};
    KestPathWalk::Walk(path.PathData(), KestPathWalk::Step(flatness), sink);
    return result;
}
