// Path building from any numbers, NaN, infinities and 1e30 among them: every
// building operation, matrices, flattening, bounds and hit tests. Nothing may
// crash, hang or grow without bound; flattened points are always finite.

#include "graphics/GraphicsPath.h"

#include "framework/Exception.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Reads the input as a stream of operation codes and numbers; past the end
// everything reads as 0.
class TReader {
public:
    TReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}

    bool AtEnd() const { return FPos >= FSize; }
    uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }

    // A number: one tag byte picks a special value, a small integer or the
    // raw bits of the next four bytes.
    float Number()
    {
        static const float specials[] = {
            std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
            -std::numeric_limits<float>::infinity(), 1e30f, -1e30f, 0.0f, -0.0f, 1e-30f,
            std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(), 65535.0f, 360.0f,
        };
        const uint8_t tag = Byte();
        if (tag < 48)
            return specials[tag % std::size(specials)];
        if (tag < 200)
            return float(int(Byte()) - 128) * (tag < 120 ? 1.0f : 0.25f);
        uint32_t bits = uint32_t(Byte()) | uint32_t(Byte()) << 8 | uint32_t(Byte()) << 16 | uint32_t(Byte()) << 24;
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    TPointF Point() { return {Number(), Number()}; }
    TRectF Rect() { return {Number(), Number(), Number(), Number()}; }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

// Keeps doubling by AddPath, and flattening into lines, within the time
// limit: each curve may flatten to MaxCurvePoints points, so the stored
// points bound the work of every flattening and hit test.
constexpr int MaxStoredPoints = 256;
// Flattening queries per input: each may cost MaxStoredPoints / 3 curves
// of MaxCurvePoints points.
constexpr int MaxFlattenings = 6;
int Flattenings = 0;

bool MayFlatten() { return Flattenings++ < MaxFlattenings; }

void CheckFinite(const TKestGraphicsPathPolygon& polygon)
{
    for (const TPointF& p : polygon)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            __builtin_trap();
}

void Build(TKestGraphicsPath& path, TReader& in)
{
    switch (in.Byte() % 19) {
    case 0: path.MoveTo(in.Point()); break;
    case 1: path.LineTo(in.Point()); break;
    case 2: {
        TPointF a = in.Point(), b = in.Point();
        path.CurveTo(a, b, in.Point());
        break;
    }
    case 3: {
        TPointF a = in.Point();
        path.QuadCurveTo(a, in.Point());
        break;
    }
    case 4: {
        TPointF a = in.Point();
        path.SmoothCurveTo(a, in.Point());
        break;
    }
    case 5: path.ClosePath(); break;
    case 6: {
        TPointF a = in.Point();
        path.AddLine(a, in.Point());
        break;
    }
    case 7: {
        TKestGraphicsPathPolygon polygon(in.Byte() % 8);
        for (TPointF& p : polygon)
            p = in.Point();
        path.AddPolygon(polygon);
        break;
    }
    case 8: path.AddEllipse(in.Rect()); break;
    case 9: {
        TRectF r = in.Rect();
        float rx = in.Number();
        path.AddRectangle(r, rx, in.Number());
        break;
    }
    case 10: {
        TPointF c = in.Point(), r = in.Point();
        float start = in.Number();
        path.AddArc(c, r, start, in.Number());
        break;
    }
    case 11:
        if (path.Count() < MaxStoredPoints / 2)
            path.AddPath(path);
        break;
    case 12: {
        TKestGraphicsMatrix m;
        for (auto& row : m.M)
            for (float& v : row)
                v = in.Number();
        path.ApplyMatrix(in.Byte() & 1 ? m : m.Inverse());
        break;
    }
    case 13:
        if (path.Count() < MaxStoredPoints / TKestGraphicsPath::MaxCurvePoints && MayFlatten())
            path.Flatten(in.Number());
        break;
    case 14: {
        if (!MayFlatten())
            break;
        TKestGraphicsPathPolygon polygon;
        path.FlattenToPolygon(polygon, in.Number());
        CheckFinite(polygon);
        break;
    }
    case 15: path.GetBounds(); break;
    case 16:
        if (MayFlatten())
            path.IsPointVisible(in.Point());
        break;
    case 17:
        if (MayFlatten())
            path.IsRectVisible(in.Rect());
        break;
    case 18: {
        const TKestGraphicsPathCubicBezier b{in.Point(), in.Point(), in.Point(), in.Point()};
        TKestGraphicsPath::CreateBezier(b, in.Byte() * 16);
        try {
            path.GetPoint(int(in.Byte()) - 16);
        } catch (const EArgumentOutOfRangeException&) {
        }
        break;
    }
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TReader in(data, size);
    Flattenings = 0;
    TKestGraphicsPath path;
    for (int op = 0; op < 256 && !in.AtEnd() && path.Count() < MaxStoredPoints; ++op)
        Build(path, in);
    TKestGraphicsPathPolygon polygon;
    path.FlattenToPolygon(polygon, 0.25f);
    CheckFinite(polygon);
    path.IsPointVisible({0, 0});
    return 0;
}
