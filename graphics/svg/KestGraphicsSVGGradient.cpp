#include "graphics/svg/KestGraphicsSVGGradient_p.h"

#include "framework/VectorClones_p.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGQtTransform_p.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Links followed at most this often, so a cycle ends.
constexpr int MaxLinks = 32;
// Entries of the colour table a position is looked up in.
constexpr int TableSize = 1024;

// Marks a pixel the gradient leaves unpainted.
constexpr float Unpainted = std::numeric_limits<float>::quiet_NaN();

// std::floor is a library call on the baseline instruction set; this one
// is for values within the range of int.
[[gnu::always_inline]] inline float Floor(float t)
{
    const float whole = float(int(t));
    return whole > t ? whole - 1 : whole;
}

// The colour table's entry for a position, the spread method applied.
template <TKestGraphicsSVGSpread Mode>
[[gnu::always_inline]] inline int TableIndex(float t)
{
    if constexpr (Mode == gsPad) {
        t = std::clamp(t, 0.0f, 1.0f);
    } else {
        // Far-off positions are cut first so the whole-number part fits an
        // integer (the spread is periodic; the cut moves whole periods).
        constexpr float Far = 1 << 30;
        t = std::clamp(t, -Far, Far);
        if constexpr (Mode == gsRepeat) {
            t -= Floor(t);
        } else {
            const float period = t - 2 * Floor(t / 2);
            t = period > 1 ? 2 - period : period;
        }
    }
    return int(t * (TableSize - 1) + 0.5f);
}

// Puts a row's colours into line (index is room for width entries).
// Inlined into each spread's function below, so each is built whole.
template <TKestGraphicsSVGSpread Mode>
[[gnu::always_inline]] inline void WriteRowOf(const float* position, int* index, int width, QRgb* line,
                                              const QRgb* table)
{
    // Indices first (several at a time for the plain spread), then the
    // lookups; -1 marks an unpainted pixel.
    for (int column = 0; column < width; ++column) {
        const float t = position[column];
        const bool painted = t == t;
        index[column] = painted ? TableIndex<Mode>(painted ? t : 0.0f) : -1;
    }
    for (int column = 0; column < width; ++column)
        if (index[column] >= 0)
            line[column] = table[index[column]];
}

// One function per spread: not every compiler builds templates twice.
KEST_VECTOR_CLONES void WritePadRow(const float* position, int* index, int width, QRgb* line, const QRgb* table)
{
    WriteRowOf<gsPad>(position, index, width, line, table);
}

KEST_VECTOR_CLONES void WriteReflectRow(const float* position, int* index, int width, QRgb* line, const QRgb* table)
{
    WriteRowOf<gsReflect>(position, index, width, line, table);
}

KEST_VECTOR_CLONES void WriteRepeatRow(const float* position, int* index, int width, QRgb* line, const QRgb* table)
{
    WriteRowOf<gsRepeat>(position, index, width, line, table);
}

template <TKestGraphicsSVGSpread Mode>
void WriteRow(const float* position, int* index, int width, QRgb* line, const QRgb* table)
{
    if constexpr (Mode == gsPad)
        WritePadRow(position, index, width, line, table);
    else if constexpr (Mode == gsReflect)
        WriteReflectRow(position, index, width, line, table);
    else
        WriteRepeatRow(position, index, width, line, table);
}

// Positions affine in the pixel: one step right adds a fixed amount.
KEST_VECTOR_CLONES void LinearPositions(float from, float by, float* position, int width)
{
    for (int column = 0; column < width; ++column)
        position[column] = from + float(column) * by;
}

// A radial row's terms: b affine and c quadratic in the pixel, and the
// radius along t.
struct TRadialTerms {
    float B0, BStep, C0, CStep1, CStep2, FocalRadius, RadiusStep;
};

// The positions where the quadratic's leading term vanishes: t = c / 2b.
KEST_VECTOR_CLONES void LevelRadialPositions(const TRadialTerms& r, float* position, int width)
{
    for (int column = 0; column < width; ++column) {
        const float k = float(column);
        const float b = r.B0 + k * r.BStep;
        const float c = r.C0 + k * (r.CStep1 + k * r.CStep2);
        const float t = c / (2 * b);
        const bool painted = (std::fabs(b) >= 1e-12f) & (r.FocalRadius + t * r.RadiusStep >= 0) & std::isfinite(t);
        position[column] = painted ? t : Unpainted;
    }
}

// The larger root of a t^2 - 2 b t + c = 0 whose radius is not negative;
// rootSign is a's sign, which picks the larger root everywhere.
KEST_VECTOR_CLONES void RadialPositions(const TRadialTerms& r, float quadratic, float inverseA, float rootSign,
                                        float* position, int width)
{
    for (int column = 0; column < width; ++column) {
        const float k = float(column);
        const float b = r.B0 + k * r.BStep;
        const float c = r.C0 + k * (r.CStep1 + k * r.CStep2);
        const float discriminant = b * b - quadratic * c;
        const float root = std::sqrt(discriminant > 0 ? discriminant : 0.0f) * rootSign;
        const float high = (b + root) * inverseA, low = (b - root) * inverseA;
        const float t = r.FocalRadius + high * r.RadiusStep >= 0 ? high : low;
        const bool painted = (discriminant >= 0) & (r.FocalRadius + t * r.RadiusStep >= 0) & std::isfinite(t);
        position[column] = painted ? t : Unpainted;
    }
}

bool IsGradient(const TKestGraphicsSVGElement& element)
{
    return element.Type() == etLinearGradient || element.Type() == etRadialGradient;
}

bool HasStops(const TKestGraphicsSVGElement& element)
{
    for (const auto& child : element.Elements())
        if (child->Type() == etStop)
            return true;
    return false;
}

}

TKestGraphicsSVGGradient::TKestGraphicsSVGGradient(const TKestGraphicsSVGElement& gradient, const TRectF& viewport,
                                                   const std::function<TColor(TColor)>& colorOf)
{
    const TKestGraphicsSVGElement* link = &gradient;
    for (int hops = 0; link && hops < MaxLinks && IsGradient(*link); ++hops) {
        if (std::find(FChain.begin(), FChain.end(), link) != FChain.end())
            break;
        FChain.push_back(link);
        link = link->HRefRef();
    }
    FRadial = gradient.Type() == etRadialGradient;
    ReadGeometry(gradient, viewport);
    ReadStops(gradient, colorOf);
}

QString TKestGraphicsSVGGradient::Attribute(const char* name, bool sameKind) const
{
    const QString key = QLatin1String(name);
    for (const TKestGraphicsSVGElement* element : FChain) {
        if (sameKind && element->Type() != FChain.front()->Type())
            continue;
        const auto it = element->PaintAttributes().constFind(key);
        if (it != element->PaintAttributes().cend())
            return it.value();
    }
    return QString();
}

float TKestGraphicsSVGGradient::Length(const char* name, const QString& fallback, float base) const
{
    QString value = Attribute(name);
    if (value.isNull())
        value = fallback;
    float number = TKestGraphicsSVGValues::Length(value);
    if (TKestGraphicsSVGValues::IsPercentage(value))
        number = number / 100 * (FBoundingBoxUnits ? 1 : base);
    return std::isfinite(number) ? number : 0;
}

void TKestGraphicsSVGGradient::ReadGeometry(const TKestGraphicsSVGElement& gradient, const TRectF& viewport)
{
    FBoundingBoxUnits = Attribute("gradientUnits", false).trimmed() != QLatin1String("userSpaceOnUse");
    const QString spread = Attribute("spreadMethod", false).trimmed();
    FSpread = spread == QLatin1String("reflect") ? gsReflect : spread == QLatin1String("repeat") ? gsRepeat : gsPad;
    const QString transform = Attribute("gradientTransform", false);
    if (!transform.isNull())
        FGradientTransform = ToQTransform(TKestGraphicsSVGTransform::Parse(transform));
    const float width = viewport.Width(), height = viewport.Height();
    if (!FRadial) {
        FX1 = Length("x1", QStringLiteral("0%"), width);
        FY1 = Length("y1", QStringLiteral("0%"), height);
        FX2 = Length("x2", QStringLiteral("100%"), width);
        FY2 = Length("y2", QStringLiteral("0%"), height);
        return;
    }
    // Radii in percent are of the viewport's normalised diagonal.
    const float diagonal = std::sqrt((width * width + height * height) / 2);
    FCX = Length("cx", QStringLiteral("50%"), width);
    FCY = Length("cy", QStringLiteral("50%"), height);
    FR = Length("r", QStringLiteral("50%"), diagonal);
    const QString fx = Attribute("fx"), fy = Attribute("fy");
    FFX = fx.isNull() ? FCX : Length("fx", QString(), width);
    FFY = fy.isNull() ? FCY : Length("fy", QString(), height);
    FFR = std::max(0.0f, Length("fr", QStringLiteral("0%"), diagonal));
}

void TKestGraphicsSVGGradient::ReadStops(const TKestGraphicsSVGElement& gradient,
                                         const std::function<TColor(TColor)>& colorOf)
{
    const TKestGraphicsSVGElement* source = &gradient;
    for (const TKestGraphicsSVGElement* element : FChain)
        if (HasStops(*element)) {
            source = element;
            break;
        }
    float last = 0;
    for (const auto& child : source->Elements()) {
        if (child->Type() != etStop)
            continue;
        // Offsets never go back, and stay within the gradient.
        last = std::max(last, std::clamp(child->Offset(), 0.0f, 1.0f));
        TColor color = child->HasStopColor() ? child->StopColor() : TColor(0);
        float alpha = child->HasStopColor() ? child->StopColorAlpha() : 1.0f;
        if (child->StopColorValue() == QLatin1String("currentColor"))
            color = TKestGraphicsSVGRenderState::CurrentColor(*child);
        if (color == TColor(-1)) {
            color = 0;
            alpha = 1;
        }
        if (child->HasStopOpacity())
            alpha *= std::clamp(child->StopOpacity(), 0.0f, 1.0f);
        FStops.push_back(TStop{last, colorOf(color), alpha});
    }
}

bool TKestGraphicsSVGGradient::PaintsNothing(const TRectF& box) const
{
    if (FStops.empty())
        return true;
    // Path bounds never come out narrower than this, even for a straight
    // line; a box that thin has no area to stretch the gradient over.
    constexpr float NoExtent = 0.002f;
    return FBoundingBoxUnits && !(box.Width() > NoExtent && box.Height() > NoExtent);
}

bool TKestGraphicsSVGGradient::IsSolid(TColor& color, int& alpha) const
{
    // A radius of 0 (or, taken the same way, below 0) or a vector of length
    // 0 leaves the last stop's colour everywhere.
    const bool degenerate = FRadial ? !(FR > 0) : (FX1 == FX2 && FY1 == FY2);
    if (FStops.empty() || (FStops.size() > 1 && !degenerate))
        return false;
    color = FStops.back().Color;
    alpha = int(std::lround(FStops.back().Alpha * 255));
    return true;
}

std::vector<QRgb> TKestGraphicsSVGGradient::ColorTable(float opacity) const
{
    // Colours mix unpremultiplied between stops, as SVG has it; before the
    // first stop and after the last their colours hold.
    struct TChannels {
        float Red, Green, Blue, Alpha;
    };
    std::vector<TChannels> stops(FStops.size());
    for (size_t i = 0; i < FStops.size(); ++i) {
        const TColor rgb = ColorToRGB(FStops[i].Color);
        stops[i] = {float(GetRValue(rgb)), float(GetGValue(rgb)), float(GetBValue(rgb)), FStops[i].Alpha * opacity};
    }
    std::vector<QRgb> table(TableSize);
    size_t next = 0;
    for (int i = 0; i < TableSize; ++i) {
        const float t = float(i) / (TableSize - 1);
        size_t from = 0, to = 0;
        float k = 0;
        if (t >= FStops.back().Offset) {
            from = to = FStops.size() - 1;
        } else if (t > FStops.front().Offset) {
            while (next + 1 < FStops.size() && FStops[next + 1].Offset <= t)
                ++next;
            from = next;
            to = next + 1;
            k = (t - FStops[from].Offset) / (FStops[to].Offset - FStops[from].Offset);
        }
        const TChannels& a = stops[from];
        const TChannels& b = stops[to];
        const float alpha = std::clamp(a.Alpha + (b.Alpha - a.Alpha) * k, 0.0f, 1.0f);
        // The values are not negative: adding a half and cutting rounds.
        auto channel = [&](float u, float v) { return int((u + (v - u) * k) * alpha + 0.5f); };
        table[i] = qRgba(channel(a.Red, b.Red), channel(a.Green, b.Green), channel(a.Blue, b.Blue),
                         int(alpha * 255 + 0.5f));
    }
    return table;
}

void TKestGraphicsSVGGradient::LinearRow(const QPointF& start, const QTransform& fromDevice, float* position,
                                         int width) const
{
    // The position is affine in the pixel: one step right adds a fixed
    // amount.
    const double dx = FX2 - FX1, dy = FY2 - FY1, length = dx * dx + dy * dy;
    const double step = (fromDevice.m11() * dx + fromDevice.m12() * dy) / length;
    const double first = ((start.x() - FX1) * dx + (start.y() - FY1) * dy) / length;
    if (!std::isfinite(step) || !std::isfinite(first)) {
        std::fill(position, position + width, Unpainted);
        return;
    }
    LinearPositions(float(first), float(step), position, width);
}

void TKestGraphicsSVGGradient::RadialRow(const QPointF& start, const QTransform& fromDevice, float* position,
                                         int width) const
{
    // The circle through a point among those from the focal circle (t = 0)
    // to the end circle (t = 1), the largest t whose radius is not negative:
    // t solves a t^2 - 2 b t + c = 0, where b is affine in the pixel and c
    // quadratic. Both are worked out from the row's start (not accumulated,
    // so wide rows keep their precision), in single precision and without
    // branches so the compiler can do several pixels at once.
    const double cdx = FCX - FFX, cdy = FCY - FFY, dr = FR - FFR;
    const double a = cdx * cdx + cdy * cdy - dr * dr;
    const double ux = fromDevice.m11(), uy = fromDevice.m12();
    const double px = start.x() - FFX, py = start.y() - FFY;
    const float b0 = float(px * cdx + py * cdy + FFR * dr), bStep = float(ux * cdx + uy * cdy);
    const float c0 = float(px * px + py * py - FFR * FFR);
    const float cStep1 = float(2 * (px * ux + py * uy)), cStep2 = float(ux * ux + uy * uy);
    const float focalRadius = float(FFR), radiusStep = float(dr);
    if (std::fabs(a) < 1e-9) {
        LevelRadialPositions({b0, bStep, c0, cStep1, cStep2, focalRadius, radiusStep}, position, width);
        return;
    }
    // Which root is the larger t is the same everywhere: it follows a's sign.
    RadialPositions({b0, bStep, c0, cStep1, cStep2, focalRadius, radiusStep}, float(a), float(1 / a),
                    a > 0 ? 1.0f : -1.0f, position, width);
}

template <TKestGraphicsSVGSpread Mode>
void TKestGraphicsSVGGradient::PaintPixels(QImage& image, const QPoint& origin, const QTransform& fromDevice,
                                           const std::vector<QRgb>& table) const
{
    const int width = image.width(), height = image.height();
    std::vector<float> positions(static_cast<size_t>(width));
    std::vector<int> indices(static_cast<size_t>(width));
    // A linear gradient across the rows (its vector level on the device)
    // gives every row the same colours: the first is copied down.
    const double dx = FX2 - FX1, dy = FY2 - FY1;
    const bool rowsAlike = !FRadial && fromDevice.m21() * dx + fromDevice.m22() * dy == 0;
    for (int row = 0; row < height; ++row) {
        if (rowsAlike && row > 0) {
            std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(0)), width,
                        reinterpret_cast<QRgb*>(image.scanLine(row)));
            continue;
        }
        const QPointF start = fromDevice.map(QPointF(origin.x() + 0.5, origin.y() + row + 0.5));
        if (FRadial)
            RadialRow(start, fromDevice, positions.data(), width);
        else
            LinearRow(start, fromDevice, positions.data(), width);
        WriteRow<Mode>(positions.data(), indices.data(), width, reinterpret_cast<QRgb*>(image.scanLine(row)),
                       table.data());
    }
}

void TKestGraphicsSVGGradient::Paint(QImage& image, const QPoint& origin, const TKestGraphicsMatrix& toDevice,
                                     const TRectF& box, float opacity) const
{
    if (image.isNull() || FStops.empty())
        return;
    QTransform toUser = FGradientTransform;
    if (FBoundingBoxUnits)
        toUser *= QTransform(box.Width(), 0, 0, box.Height(), box.Left, box.Top);
    bool invertible = false;
    const QTransform fromDevice = (toUser * ToQTransform(toDevice)).inverted(&invertible);
    if (!invertible)
        return;
    const std::vector<QRgb> table = ColorTable(opacity);
    switch (FSpread) {
    case gsRepeat:
        PaintPixels<gsRepeat>(image, origin, fromDevice, table);
        break;
    case gsReflect:
        PaintPixels<gsReflect>(image, origin, fromDevice, table);
        break;
    default:
        PaintPixels<gsPad>(image, origin, fromDevice, table);
        break;
    }
}
