#include "pathbar/TextWidthCache.h"

#include "framework/Font.h"

#include <QFontMetrics>

const QFont& TTextWidthCache::QtFont(const TFont& Font, double Scale)
{
    const TKey key{Font.Name(), Font.Height(), int(Font.Style().toInt()), Scale};
    if (!(key == FKey)) {
        FKey = key;
        FFont = Font.ToQFont(Scale);
        FWidths.clear();
    }
    return FFont;
}

int TTextWidthCache::Width(const TFont& Font, double Scale, const QString& Text)
{
    QtFont(Font, Scale);
    auto it = FWidths.constFind(Text);
    if (it != FWidths.constEnd())
        return *it;
    const int width = QFontMetrics(FFont).boundingRect(QRect(0, 0, 1000, 100), Qt::TextSingleLine, Text).width();
    // Bounded: a long session visits many folders.
    if (FWidths.size() >= 4096)
        FWidths.clear();
    FWidths.insert(Text, width);
    return width;
}
