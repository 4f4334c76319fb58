#include "graphics/svg/KestGraphicsSVGGradient_p.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGQtTransform_p.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

#include <algorithm>
#include <cmath>

namespace {

// Links followed at most this often, so a cycle ends.
constexpr int MaxLinks = 32;
// Entries of the colour table a position is looked up in.
constexpr int TableSize = 1024;

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

double TKestGraphicsSVGGradient::Spread(double t) const
{
    switch (FSpread) {
    case gsRepeat:
        return t - std::floor(t);
    case gsReflect: {
        const double period = t - 2 * std::floor(t / 2);
        return period > 1 ? 2 - period : period;
    }
    default:
        return std::clamp(t, 0.0, 1.0);
    }
}

bool TKestGraphicsSVGGradient::Position(double x, double y, double& t) const
{
    if (!FRadial) {
        const double dx = FX2 - FX1, dy = FY2 - FY1;
        t = ((x - FX1) * dx + (y - FY1) * dy) / (dx * dx + dy * dy);
        return std::isfinite(t);
    }
    // The circle through the point among those from the focal circle (t = 0)
    // to the end circle (t = 1), the largest t whose radius is not negative.
    const double cdx = FCX - FFX, cdy = FCY - FFY, dr = FR - FFR;
    const double px = x - FFX, py = y - FFY;
    const double a = cdx * cdx + cdy * cdy - dr * dr;
    const double b = px * cdx + py * cdy + FFR * dr;
    const double c = px * px + py * py - FFR * FFR;
    if (std::fabs(a) < 1e-9) {
        if (std::fabs(b) < 1e-12)
            return false;
        t = c / (2 * b);
        return FFR + t * dr >= 0;
    }
    const double discriminant = b * b - a * c;
    if (discriminant < 0)
        return false;
    const double root = std::sqrt(discriminant);
    const double high = std::max((b + root) / a, (b - root) / a);
    const double low = std::min((b + root) / a, (b - root) / a);
    for (double candidate : {high, low})
        if (FFR + candidate * dr >= 0) {
            t = candidate;
            return true;
        }
    return false;
}

std::vector<QRgb> TKestGraphicsSVGGradient::ColorTable(float opacity) const
{
    // Colours mix unpremultiplied between stops, as SVG has it; before the
    // first stop and after the last their colours hold.
    std::vector<QRgb> table(TableSize);
    size_t next = 0;
    for (int i = 0; i < TableSize; ++i) {
        const float t = float(i) / (TableSize - 1);
        const TStop* from = &FStops.front();
        const TStop* to = from;
        float k = 0;
        if (t >= FStops.back().Offset) {
            from = to = &FStops.back();
        } else if (t > FStops.front().Offset) {
            while (next + 1 < FStops.size() && FStops[next + 1].Offset <= t)
                ++next;
            from = &FStops[next];
            to = &FStops[next + 1];
            k = (t - from->Offset) / (to->Offset - from->Offset);
        }
        const TColor a = ColorToRGB(from->Color), b = ColorToRGB(to->Color);
        auto mix = [k](float u, float v) { return u + (v - u) * k; };
        const float alpha = std::clamp(mix(from->Alpha, to->Alpha) * opacity, 0.0f, 1.0f);
        auto channel = [&](int u, int v) { return int(std::lround(mix(float(u), float(v)) * alpha)); };
        table[i] = qRgba(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                         channel(GetBValue(a), GetBValue(b)), int(std::lround(alpha * 255)));
    }
    return table;
}

QImage TKestGraphicsSVGGradient::Paint(const QRect& deviceRect, const TKestGraphicsMatrix& toDevice,
                                       const TRectF& box, float opacity) const
{
    QImage image(deviceRect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull() || FStops.empty())
        return image;
    QTransform toUser = FGradientTransform;
    if (FBoundingBoxUnits)
        toUser *= QTransform(box.Width(), 0, 0, box.Height(), box.Left, box.Top);
    bool invertible = false;
    const QTransform fromDevice = (toUser * ToQTransform(toDevice)).inverted(&invertible);
    if (!invertible)
        return image;
    const std::vector<QRgb> table = ColorTable(opacity);
    for (int row = 0; row < image.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        // The map is affine: one step right moves the point by a fixed amount.
        const QPointF start = fromDevice.map(QPointF(deviceRect.left() + 0.5, deviceRect.top() + row + 0.5));
        double x = start.x(), y = start.y();
        for (int column = 0; column < image.width(); ++column, x += fromDevice.m11(), y += fromDevice.m12()) {
            double t = 0;
            if (Position(x, y, t))
                line[column] = table[size_t(std::lround(Spread(t) * (TableSize - 1)))];
        }
    }
    return image;
}
