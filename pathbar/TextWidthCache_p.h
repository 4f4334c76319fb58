#pragma once
// Widths of node texts in the button font, remembered per font and scale:
// a resize rebuilds every button of the path with texts measured before.

#include <QFont>
#include <QHash>
#include <QString>

class TFont;

class TTextWidthCache {
public:
    // The width of the text measured as one line in a 1000 x 100 rectangle,
    // in the font with its height multiplied by scale.
    int Width(const TFont& font, double scale, const QString& text);
    // The Qt font for that font and scale, made again only when they change.
    const QFont& QtFont(const TFont& font, double scale);

private:
    struct TKey {
        QString Name;
        int Height = 0;
        int Style = 0;
        double Scale = 0;
        bool operator==(const TKey&) const = default;
    };

    TKey FKey;
    QFont FFont;
    QHash<QString, int> FWidths;
};
