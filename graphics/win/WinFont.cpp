#include "graphics/win/WinFont.h"

#include "framework/Font.h"

#include <cstdlib>

namespace KestGraphicsWin {

using namespace GdiplusFlat;

QString WinFontFamily(const QString& name)
{
    if (name.isEmpty() || name.compare(QLatin1String("DEFAULT"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Arial");
    return name;
}

float WinFontSize(const TFont& font)
{
    const int size = std::abs(font.Size());
    return size == 0 ? 8.0f : float(size);
}

std::unique_ptr<KestGDIPlusClasses::TGPFont> MakeWinFont(const TFont& font)
{
    const TFontStyles styles = font.Style();
    INT style = FontStyleRegular;
    if (styles.testFlag(fsBold))
        style |= FontStyleBold;
    if (styles.testFlag(fsItalic))
        style |= FontStyleItalic;
    if (styles.testFlag(fsUnderline))
        style |= FontStyleUnderline;
    if (styles.testFlag(fsStrikeOut))
        style |= FontStyleStrikeout;
    return std::make_unique<KestGDIPlusClasses::TGPFont>(WinFontFamily(font.Name()), WinFontSize(font), style,
                                                          UnitPoint);
}

}
