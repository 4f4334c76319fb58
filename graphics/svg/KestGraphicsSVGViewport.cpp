#include "graphics/svg/KestGraphicsSVGViewport_p.h"

#include "graphics/svg/KestGraphicsSVGValues.h"
#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QList>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace {

// Where the view box goes along one axis: 0 at the start, 0.5 centred, 1 at the end.
struct TAlignment {
    bool Stretch = false;
    bool Slice = false;
    float X = 0.5f;
    float Y = 0.5f;
};

float AxisShare(QStringView part)
{
    if (part == QLatin1String("Min"))
        return 0;
    if (part == QLatin1String("Max"))
        return 1;
    return 0.5f;
}

TAlignment ReadAlignment(QStringView text)
{
    TAlignment alignment;
    const auto words = text.trimmed().split(u' ', Qt::SkipEmptyParts);
    qsizetype index = 0;
    if (index < words.size() && words[index] == QLatin1String("defer"))
        ++index;
    if (index < words.size()) {
        const QStringView align = words[index++];
        if (align == QLatin1String("none"))
            alignment.Stretch = true;
        else if (align.size() == 8 && align.startsWith(u'x') && align[4] == u'Y') {
            alignment.X = AxisShare(align.mid(1, 3));
            alignment.Y = AxisShare(align.mid(5, 3));
        }
    }
    if (index < words.size() && words[index] == QLatin1String("slice"))
        alignment.Slice = true;
    return alignment;
}

}

bool TKestGraphicsSVGViewport::ReadViewBox(QStringView text, TRectF& rect)
{
    auto separates = [](QChar c) { return c == u',' || c.isSpace(); };
    QVarLengthArray<float, 4> numbers;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (separates(text[pos])) {
            ++pos;
            continue;
        }
        qsizetype end = pos;
        while (end < text.size() && !separates(text[end]))
            ++end;
        float value = 0;
        if (numbers.size() == 4 || !TKestGraphicsSVGValues::TryNumber(text.mid(pos, end - pos), value))
            return false;
        numbers.append(value);
        pos = end;
    }
    if (numbers.size() != 4)
        return false;
    rect = TRectF(numbers[0], numbers[1], numbers[0] + numbers[2], numbers[1] + numbers[3]);
    return true;
}

TKestGraphicsMatrix TKestGraphicsSVGViewport::ViewBoxMatrix(const TRectF& viewBox, float width, float height,
                                                            QStringView preserveAspectRatio)
{
    const TAlignment alignment = ReadAlignment(preserveAspectRatio);
    float sx = width / viewBox.Width();
    float sy = height / viewBox.Height();
    if (!alignment.Stretch)
        sx = sy = alignment.Slice ? std::max(sx, sy) : std::min(sx, sy);
    const float dx = (width - viewBox.Width() * sx) * alignment.X;
    const float dy = (height - viewBox.Height() * sy) * alignment.Y;
    return MatrixCreateTranslation(-viewBox.Left, -viewBox.Top) * MatrixCreateScaling(sx, sy)
           * MatrixCreateTranslation(dx, dy);
}

bool TKestGraphicsSVGViewport::FitsViewBox(const TKestGraphicsSVGXmlNode& root, TRectF& viewBox, TRectF& size)
{
    const QString width = root.Attribute(QStringLiteral("width"));
    const QString height = root.Attribute(QStringLiteral("height"));
    if (width.isNull() || height.isNull() || TKestGraphicsSVGValues::IsPercentage(width)
        || TKestGraphicsSVGValues::IsPercentage(height))
        return false;
    if (!ReadViewBox(root.Attribute(QStringLiteral("viewBox")), viewBox))
        return false;
    size = TRectF(0, 0, TKestGraphicsSVGValues::Length(width), TKestGraphicsSVGValues::Length(height));
    if (!(size.Width() > 0 && size.Height() > 0 && viewBox.Width() > 0 && viewBox.Height() > 0))
        return false;
    const double shape = double(size.Width()) * viewBox.Height();
    const double boxShape = double(viewBox.Width()) * size.Height();
    return std::fabs(shape - boxShape) > 1e-4 * std::max(shape, boxShape);
}
