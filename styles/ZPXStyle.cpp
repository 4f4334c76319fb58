#include "styles/ZPXStyle.h"

#include <algorithm>
#include <array>

namespace KestStyles {

namespace {

struct TOffer {
    const char* Name;
    int Position;
};

// Indexed by style value.
constexpr std::array<TOffer, ZPXStyleCount> kOffers{{
    {"Office 2003 Blue", 0},
    {"Office 2003 Silver", 1},
    {"Office 2003 Olive", 2},
    {"Office 2003 Classic", 3},
    {"Office 2007 Blue", 4},
    {"Office 2007 Black", 6},
    {"Windows XP", 7},
    {"", -1}, // tsWhidbey
    {"Custom", 25},
    {"Office 2007 Silver", 5},
    {"Windows Vista", 8},
    {"Windows 7", 9},
    {"Terminal", 12},
    {"Office 2010 Blue", 13},
    {"Office 2010 Silver", 14},
    {"Office 2010 Black", 15},
    {"Windows 8", 10},
    {"Office 2013 White", 16},
    {"Office 2013 Light gray", 17},
    {"Office 2013 Gray", 18},
    {"Windows 10", 11},
    {"Office 2016 White", 19},
    {"Office 2016 Gray", 20},
    {"Office 2016 Black", 21},
    {"Office 2019 White", 22},
    {"Office 2019 Gray", 23},
    {"Office 2019 Black", 24},
}};

const TOffer* Offer(TZPXStyle style)
{
    const int index = int(style);
    return index >= 0 && index < ZPXStyleCount ? &kOffers[size_t(index)] : nullptr;
}

}

QString StyleOfferedName(TZPXStyle style)
{
    const TOffer* offer = Offer(style);
    return offer ? QString::fromLatin1(offer->Name) : QString();
}

int StyleOfferedPosition(TZPXStyle style)
{
    const TOffer* offer = Offer(style);
    return offer ? offer->Position : -1;
}

std::vector<TZPXStyle> OfferedStyles()
{
    std::vector<TZPXStyle> styles;
    for (int value = 0; value < ZPXStyleCount; ++value)
        if (kOffers[size_t(value)].Position >= 0)
            styles.push_back(TZPXStyle(value));
    std::sort(styles.begin(), styles.end(),
              [](TZPXStyle a, TZPXStyle b) { return StyleOfferedPosition(a) < StyleOfferedPosition(b); });
    return styles;
}

}
