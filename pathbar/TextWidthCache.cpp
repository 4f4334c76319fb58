#include "pathbar/TextWidthCache_p.h"

#include "framework/Font.h"

#include <QFontMetrics>

const QFont& TTextWidthCache::QtFont(const TFont& font, double scale)
{
    const TKey key{font.Name(), font.Height(), int(font.Style().toInt()), scale};
    if (!(key == FKey)) {
        FKey = key;
        FFont = font.ToQFont(scale);
        FWidths.clear();
    }
    return FFont;
}

int TTextWidthCache::Width(const TFont& font, double scale, const QString& text)
{
    QtFont(font, scale);
    auto it = FWidths.constFind(text);
    if (it != FWidths.constEnd())
        return *it;
    const int width = QFontMetrics(FFont).boundingRect(QRect(0, 0, 1000, 100), Qt::TextSingleLine, text).width();
    // Bounded: a long session visits many folders.
    if (FWidths.size() >= 4096)
        FWidths.clear();
    FWidths.insert(text, width);
    return width;
}
