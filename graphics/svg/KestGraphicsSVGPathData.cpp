#include "graphics/svg/KestGraphicsSVGPathData.h"

#include "graphics/svg/KestGraphicsSVGValues.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace {

bool IsCommand(char16_t c)
{
    switch (c) {
    case u'M': case u'm': case u'L': case u'l': case u'H': case u'h': case u'V': case u'v':
    case u'C': case u'c': case u'S': case u's': case u'Q': case u'q': case u'T': case u't':
    case u'A': case u'a': case u'Z': case u'z':
        return true;
    default:
        return false;
    }
}

int GroupSize(char16_t command)
{
    switch (QChar::toUpper(command)) {
    case u'A': return 7;
    case u'C': return 6;
    case u'H': case u'V': return 1;
    case u'Q': case u'S': return 4;
    case u'Z': return 0;
    default: return 2; // L M T
    }
}

using TNumbers = QVarLengthArray<float, 16>;

// Splits the arguments of one command into numbers: white space and commas
// separate, a sign starts a new number unless it follows an exponent, a
// second "." or exponent starts a new number, other characters are ignored.
void ReadNumbers(QStringView text, TNumbers& numbers)
{
    numbers.clear();
    char16_t token[64];
    int length = 0;
    bool hasDot = false, hasExponent = false, hasDigit = false;
    QString longToken; // a token longer than the buffer (rare)
    auto flush = [&] {
        if (hasDigit) {
            const QStringView view = longToken.isEmpty() ? QStringView(token, length) : QStringView(longToken);
            numbers.append(TKestGraphicsSVGValues::Number(view));
        }
        length = 0;
        longToken.clear();
        hasDot = hasExponent = hasDigit = false;
    };
    auto append = [&](char16_t c) {
        if (!longToken.isEmpty()) {
            longToken.append(QChar(c));
        } else if (length < int(std::size(token))) {
            token[length++] = c;
        } else {
            longToken = QString(reinterpret_cast<const QChar*>(token), length);
            longToken.append(QChar(c));
        }
    };
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= u'0' && c <= u'9') {
            append(c);
            hasDigit = true;
        } else if (c == u'.') {
            if (hasDot || hasExponent)
                flush();
            append(c);
            hasDot = true;
        } else if (c == u'e' || c == u'E') {
            if (!hasDigit || hasExponent)
                continue;
            append(c);
            hasExponent = true;
        } else if (c == u'+' || c == u'-') {
            const bool afterExponent = length > 0 && (token[length - 1] == u'e' || token[length - 1] == u'E')
                                       && longToken.isEmpty();
            if (!afterExponent)
                flush();
            append(c);
        } else if (c == u' ' || c == u',' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
            flush();
        }
    }
    flush();
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of the number that starts at pos: sign, digits with one ".",
// exponent; 0 when no digit is there.
qsizetype NumberLength(QStringView text, qsizetype pos)
{
    const qsizetype start = pos;
    bool digits = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        digits = true;
    if (pos < text.size() && text[pos] == u'.')
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos)
            digits = true;
    if (!digits)
        return 0;
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent])) {
            pos = exponent;
            while (pos < text.size() && IsDigit(text[pos]))
                ++pos;
        }
    }
    return pos - start;
}

// The arguments of an arc: its two flags are one character each, "0" or
// "1", so "0 1125 25" reads as 0, 1, 1, 25, 25. False at anything else: the
// path data is in error there and ends after the whole arcs before it.
bool ReadArcNumbers(QStringView text, TNumbers& numbers)
{
    numbers.clear();
    qsizetype pos = 0;
    while (true) {
        while (pos < text.size() && (text[pos].isSpace() || text[pos] == u','))
            ++pos;
        if (pos == text.size())
            return true;
        const qsizetype index = numbers.size() % 7;
        if (index == 3 || index == 4) {
            if (text[pos] != u'0' && text[pos] != u'1')
                break;
            numbers.append(text[pos++] == u'1' ? 1.0f : 0.0f);
            continue;
        }
        const qsizetype length = NumberLength(text, pos);
        if (length == 0)
            break;
        numbers.append(TKestGraphicsSVGValues::Number(text.mid(pos, length)));
        pos += length;
    }
    numbers.resize(numbers.size() - numbers.size() % 7);
    return false;
}

TPointF Reflect(const TPointF& control, const TPointF& about)
{
    return TPointF(2 * about.X - control.X, 2 * about.Y - control.Y);
}

class TPathBuilder {
public:
    explicit TPathBuilder(TKestGraphicsSVGElementPathList& paths) : FPaths(paths) {}

    // False when the command got too few numbers, or numbers that lead
    // past what a float holds: the data ends there.
    bool Command(char16_t command, const TNumbers& numbers)
    {
        const int size = GroupSize(command);
        if (size == 0) {
            Close();
            FPrevious = command;
            return true;
        }
        const qsizetype count = numbers.size();
        if (count < size)
            return false;
        qsizetype groups = 1;
        if (count > size && (size == 1 || count % size != 1))
            groups = count / size;
        for (qsizetype g = 0; g < groups; ++g) {
            char16_t letter = command;
            if (g > 0 && (command == u'M' || command == u'm'))
                letter = command == u'M' ? u'L' : u'l';
            if (!Segment(letter, numbers.constData() + g * size))
                return false;
            FPrevious = letter;
        }
        return true;
    }

private:
    TKestGraphicsPath* Active() { return FPaths.empty() ? nullptr : FPaths.back().get(); }

    void Close()
    {
        if (TKestGraphicsPath* path = Active(); path && path->Count() > 0) {
            path->ClosePath();
            FCurrent = path->LastPoint();
            FClosed = true;
        }
    }

    // A drawing command right after a close starts a new subpath where the
    // closed one began.
    void StartSubpath(const TPointF& at)
    {
        FPaths.push_back(std::make_unique<TKestGraphicsPath>());
        FCurrent = at;
        FPaths.back()->MoveTo(at);
    }

    // False when a relative step leaves what a float holds.
    bool Segment(char16_t letter, const float* v)
    {
        const bool relative = QChar::isLower(letter);
        const TPointF origin = relative ? FCurrent : TPointF(0, 0);
        if (relative) {
            const int count = GroupSize(letter);
            for (int i = 0; i < count; ++i)
                if (!std::isfinite(origin.X + v[i]) || !std::isfinite(origin.Y + v[i]))
                    return false;
        }
        auto point = [&](int i) { return TPointF(origin.X + v[i], origin.Y + v[i + 1]); };
        if (FClosed && QChar::toUpper(letter) != u'M')
            StartSubpath(FCurrent);
        FClosed = false;
        switch (QChar::toUpper(letter)) {
        case u'M':
            StartSubpath(point(0));
            break;
        case u'L':
            LineTo(point(0));
            break;
        case u'H':
            LineTo(TPointF(origin.X + v[0], FCurrent.Y));
            break;
        case u'V':
            LineTo(TPointF(FCurrent.X, (relative ? FCurrent.Y : 0) + v[0]));
            break;
        case u'C':
            CurveTo(point(0), point(2), point(4));
            break;
        case u'S': {
            const bool afterCubic = QChar::toUpper(FPrevious) == u'C' || QChar::toUpper(FPrevious) == u'S';
            CurveTo(afterCubic ? Reflect(FLastCubicControl, FCurrent) : FCurrent, point(0), point(2));
            break;
        }
        case u'Q':
            QuadTo(point(0), point(2));
            break;
        case u'T': {
            const bool afterQuad = QChar::toUpper(FPrevious) == u'Q' || QChar::toUpper(FPrevious) == u'T';
            QuadTo(afterQuad ? Reflect(FLastQuadControl, FCurrent) : FCurrent, point(0));
            break;
        }
        case u'A': {
            const TPointF end = point(5);
            if (TKestGraphicsPath* path = Active())
                TKestGraphicsSVGPathData::AddArc(*path, FCurrent, v[0], v[1], v[2], v[3] != 0, v[4] != 0, end);
            FCurrent = end;
            break;
        }
        }
        return true;
    }

    void LineTo(const TPointF& to)
    {
        if (TKestGraphicsPath* path = Active())
            path->LineTo(to);
        FCurrent = to;
    }

    void CurveTo(const TPointF& c1, const TPointF& c2, const TPointF& to)
    {
        if (TKestGraphicsPath* path = Active())
            path->CurveTo(c1, c2, to);
        FLastCubicControl = c2;
        FCurrent = to;
    }

    // A quadratic curve is exactly the cubic with its controls two thirds of
    // the way from the ends to the quadratic control point.
    void QuadTo(const TPointF& control, const TPointF& to)
    {
        const TPointF from = FCurrent;
        const TPointF c1(from.X + 2.0f / 3 * (control.X - from.X), from.Y + 2.0f / 3 * (control.Y - from.Y));
        const TPointF c2(to.X + 2.0f / 3 * (control.X - to.X), to.Y + 2.0f / 3 * (control.Y - to.Y));
        CurveTo(c1, c2, to);
        FLastQuadControl = control;
    }

    TKestGraphicsSVGElementPathList& FPaths;
    TPointF FCurrent;
    TPointF FLastCubicControl;
    TPointF FLastQuadControl;
    char16_t FPrevious = 0;
    bool FClosed = false;
};

}

std::vector<float> TKestGraphicsSVGPathData::Numbers(QStringView text)
{
    TNumbers numbers;
    ReadNumbers(text, numbers);
    return std::vector<float>(numbers.begin(), numbers.end());
}

void TKestGraphicsSVGPathData::Parse(QStringView data, TKestGraphicsSVGElementPathList& paths)
{
    TPathBuilder builder(paths);
    TNumbers numbers;
    qsizetype pos = 0;
    while (pos < data.size() && !IsCommand(data[pos].unicode()))
        ++pos;
    while (pos < data.size()) {
        const char16_t command = data[pos].unicode();
        qsizetype end = pos + 1;
        while (end < data.size() && !IsCommand(data[end].unicode()))
            ++end;
        const QStringView arguments = data.mid(pos + 1, end - pos - 1);
        bool valid = true;
        if (command == u'A' || command == u'a')
            valid = ReadArcNumbers(arguments, numbers);
        else
            ReadNumbers(arguments, numbers);
        if (!builder.Command(command, numbers) || !valid)
            return;
        pos = end;
    }
}

void TKestGraphicsSVGPathData::AddArc(TKestGraphicsPath& path, const TPointF& start, float rx, float ry, float rotation,
                                      bool largeArc, bool sweep, const TPointF& end)
{
    auto begin = [&](const TPointF& p) {
        if (path.Count() == 0)
            path.MoveTo(p);
        else
            path.LineTo(p);
    };
    if (start.X == end.X && start.Y == end.Y)
        return;
    double rX = std::fabs(double(rx)), rY = std::fabs(double(ry));
    if (rX == 0 || rY == 0) {
        begin(start);
        path.LineTo(end);
        return;
    }
    const double phi = double(rotation) * M_PI / 180.0;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double dx = (double(start.X) - end.X) / 2, dy = (double(start.Y) - end.Y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = (x1 * x1) / (rX * rX) + (y1 * y1) / (rY * rY);
    if (lambda > 1) {
        rX *= std::sqrt(lambda);
        rY *= std::sqrt(lambda);
    }
    const double numerator = rX * rX * rY * rY - rX * rX * y1 * y1 - rY * rY * x1 * x1;
    const double denominator = rX * rX * y1 * y1 + rY * rY * x1 * x1;
    // Rounding can make the numerator slightly negative for radii that
    // were just scaled up: the root is then 0, never NaN.
    double factor = denominator > 0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0.0;
    if (largeArc == sweep)
        factor = -factor;
    const double cx1 = factor * rX * y1 / rY;
    const double cy1 = -factor * rY * x1 / rX;
    const double cx = cosPhi * cx1 - sinPhi * cy1 + (double(start.X) + end.X) / 2;
    const double cy = sinPhi * cx1 + cosPhi * cy1 + (double(start.Y) + end.Y) / 2;
    auto angle = [](double ux, double uy, double vx, double vy) { return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy); };
    const double theta1 = angle(1, 0, (x1 - cx1) / rX, (y1 - cy1) / rY);
    double delta = angle((x1 - cx1) / rX, (y1 - cy1) / rY, (-x1 - cx1) / rX, (-y1 - cy1) / rY);
    if (!sweep && delta > 0)
        delta -= 2 * M_PI;
    else if (sweep && delta < 0)
        delta += 2 * M_PI;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(theta1) || !std::isfinite(delta)) {
        begin(start);
        path.LineTo(end);
        return;
    }
    // At most four parts: the sweep is within a full turn.
    const int parts = std::clamp(int(std::ceil(std::fabs(delta) / (M_PI / 2) - 1e-9)), 1, 4);
    const double step = delta / parts;
    const double handle = 8.0 / 3.0 * std::sin(step / 4) * std::sin(step / 4) / std::sin(step / 2);
    auto onEllipse = [&](double t) {
        const double ex = rX * std::cos(t), ey = rY * std::sin(t);
        return TPointF(float(cosPhi * ex - sinPhi * ey + cx), float(sinPhi * ex + cosPhi * ey + cy));
    };
    auto derivative = [&](double t) {
        const double ex = -rX * std::sin(t), ey = rY * std::cos(t);
        return std::pair<double, double>(cosPhi * ex - sinPhi * ey, sinPhi * ex + cosPhi * ey);
    };
    TPointF curves[4 * 3];
    double t = theta1;
    TPointF from = start;
    for (int i = 0; i < parts; ++i) {
        const double next = t + step;
        const TPointF to = i + 1 == parts ? end : onEllipse(next);
        const auto [d1x, d1y] = derivative(t);
        const auto [d2x, d2y] = derivative(next);
        curves[i * 3] = TPointF(float(from.X + handle * d1x), float(from.Y + handle * d1y));
        curves[i * 3 + 1] = TPointF(float(to.X - handle * d2x), float(to.Y - handle * d2y));
        curves[i * 3 + 2] = to;
        from = to;
        t = next;
    }
    // Radii near the float limit can put control points beyond it.
    const bool finite = std::all_of(curves, curves + parts * 3,
                                    [](const TPointF& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
    begin(start);
    if (!finite) {
        path.LineTo(end);
        return;
    }
    for (int i = 0; i < parts; ++i)
        path.CurveTo(curves[i * 3], curves[i * 3 + 1], curves[i * 3 + 2]);
}
