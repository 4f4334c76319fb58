#include "graphics/svg/KestGraphicsSVGTransform.h"

#include "graphics/svg/KestGraphicsSVGValues.h"

#include <QVarLengthArray>
#include <cmath>

namespace {

using TArguments = QVarLengthArray<QStringView, 8>;

// Arguments are separated by commas, white space or both.
TArguments SplitArguments(QStringView text)
{
    TArguments parts;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || text[i] == u',' || text[i].isSpace();
        if (separator) {
            if (start >= 0)
                parts.append(text.mid(start, i - start));
            start = -1;
        } else if (start < 0) {
            start = i;
        }
    }
    return parts;
}

constexpr double Radians(double degrees) { return degrees * M_PI / 180.0; }

TKestGraphicsMatrix Skew(double degrees, bool alongX)
{
    const double tangent = std::tan(Radians(degrees));
    TKestGraphicsMatrix m = MatrixIdentity();
    if (!std::isfinite(tangent))
        return m;
    (alongX ? m.m21() : m.m12()) = float(tangent);
    return m;
}

}

TKestGraphicsMatrix TKestGraphicsSVGTransform::Function(QStringView name, QStringView arguments)
{
    const TArguments args = SplitArguments(arguments);
    const auto n = args.size();
    auto number = [&](qsizetype i) { return double(TKestGraphicsSVGValues::Number(args[i])); };
    if (name == u"matrix" && n == 6) {
        TKestGraphicsMatrix m = MatrixIdentity();
        m.m11() = float(number(0));
        m.m12() = float(number(1));
        m.m21() = float(number(2));
        m.m22() = float(number(3));
        m.m31() = float(number(4));
        m.m32() = float(number(5));
        return m;
    }
    if (name == u"translate" && (n == 1 || n == 2))
        return MatrixCreateTranslation(number(0), n == 2 ? number(1) : 0.0);
    if (name == u"scale" && (n == 1 || n == 2))
        return MatrixCreateScaling(number(0), n == 2 ? number(1) : number(0));
    if (name == u"rotate" && (n == 1 || n == 3)) {
        const TKestGraphicsMatrix rotation = MatrixCreateRotation(Radians(TKestGraphicsSVGValues::Angle(args[0])));
        if (n == 1)
            return rotation;
        const double cx = number(1), cy = number(2);
        return MatrixCreateTranslation(-cx, -cy) * rotation * MatrixCreateTranslation(cx, cy);
    }
    if ((name == u"skewX" || name == u"skewY") && n == 1)
        return Skew(TKestGraphicsSVGValues::Angle(args[0]), name == u"skewX");
    return MatrixIdentity();
}

TKestGraphicsMatrix TKestGraphicsSVGTransform::Parse(QStringView text)
{
    TKestGraphicsMatrix result = MatrixIdentity();
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'(', pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u')', open);
        if (close < 0)
            break;
        // Separators between functions may be white space and commas.
        QStringView name = text.mid(pos, open - pos).trimmed();
        while (name.startsWith(u','))
            name = name.mid(1).trimmed();
        // Each function maps the points before the ones to its left do.
        result = Function(name, text.mid(open + 1, close - open - 1)) * result;
        pos = close + 1;
    }
    // A product beyond what a float holds is no transform.
    for (const TKestGraphicsVector& row : result.M)
        for (float cell : row)
            if (!std::isfinite(cell))
                return MatrixIdentity();
    return result;
}
