// The canvas's class operations on colours: channels, HTML colour texts
// and colour names.

#include "graphics/KestGraphics.h"

#include "framework/Exception.h"
#include "framework/StringList.h"
#include "graphics/GraphicsColorNames.h"
#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsColors.h"

namespace {

// One hexadecimal number as the framework's integer parser reads "$" + text.
int HexPair(const QString& digits)
{
    bool ok = !digits.isEmpty();
    int value = 0;
    for (QChar c : digits) {
        const int d = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (d < 0) {
            ok = false;
            break;
        }
        value = value * 16 + d;
    }
    if (!ok)
        throw EConvertError(
            Exception::Format(QStringLiteral("'%s' is not a valid integer value"), QLatin1Char('$') + digits));
    return value;
}

}

int TKestGraphics::GetColorRed(TColor color) { return GetRValue(ColorToRGB(color)); }
int TKestGraphics::GetColorGreen(TColor color) { return GetGValue(ColorToRGB(color)); }
int TKestGraphics::GetColorBlue(TColor color) { return GetBValue(ColorToRGB(color)); }

QString TKestGraphics::ColorToHTML(TColor color)
{
    return QStringLiteral("#%1%2%3")
        .arg(GetColorRed(color), 2, 16, QLatin1Char('0'))
        .arg(GetColorGreen(color), 2, 16, QLatin1Char('0'))
        .arg(GetColorBlue(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TColor TKestGraphics::HTMLToColor(const QString& html)
{
    if (html.isEmpty())
        return gcNull;
    int red, green, blue;
    if (html.size() == 4) {
        red = HexPair(QString(2, html[1]));
        green = HexPair(QString(2, html[2]));
        blue = HexPair(QString(2, html[3]));
    } else {
        red = HexPair(html.mid(1, 2));
        green = HexPair(html.mid(3, 2));
        blue = HexPair(html.mid(5, 2));
    }
    return TColor(red + green * 256 + blue * 65536);
}

TColor TKestGraphics::TextToColor(const QString& text)
{
    QString name = text.toLower();
    if (name.startsWith(QLatin1String("cl")))
        name.remove(0, 2);
    if (name.startsWith(QLatin1String("gc")))
        name.remove(0, 2);
    const TStringList& names = GraphicsColorNames();
    const int index = names.IndexOf(name);
    if (index < 0)
        return 0;
    auto* entry = static_cast<TKestGraphicsColorObject*>(names.Objects(index));
    return entry ? entry->Color() : TColor(0);
}
