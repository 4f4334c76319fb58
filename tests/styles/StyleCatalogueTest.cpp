// The catalogue as style lists offer it.

#include "styles/ZPXStyle.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(StyleCatalogue, OfferedInListOrder)
{
    QStringList names;
    for (TZPXStyle style : KestStyles::OfferedStyles())
        names << KestStyles::StyleOfferedName(style);
    const QStringList expected{
        "Office 2003 Blue",  "Office 2003 Silver", "Office 2003 Olive",      "Office 2003 Classic",
        "Office 2007 Blue",  "Office 2007 Silver", "Office 2007 Black",      "Windows XP",
        "Windows Vista",     "Windows 7",          "Windows 8",              "Windows 10",
        "Terminal",          "Office 2010 Blue",   "Office 2010 Silver",     "Office 2010 Black",
        "Office 2013 White", "Office 2013 Light gray", "Office 2013 Gray",    "Office 2016 White",
        "Office 2016 Gray",  "Office 2016 Black",  "Office 2019 White",      "Office 2019 Gray",
        "Office 2019 Black", "Custom"};
    EXPECT_EQ(names, expected);
}

TEST(StyleCatalogue, NamesFollowTheValues)
{
    EXPECT_EQ(KestStyles::StyleOfferedName(tsOffice2007Luna), "Office 2007 Blue");
    EXPECT_EQ(KestStyles::StyleOfferedName(tsOffice2007Obsidian), "Office 2007 Black");
    EXPECT_EQ(KestStyles::StyleOfferedPosition(tsCustom), 25);
    EXPECT_EQ(KestStyles::StyleOfferedName(tsWhidbey), "");
    EXPECT_EQ(KestStyles::StyleOfferedPosition(tsWhidbey), -1);
    EXPECT_EQ(KestStyles::StyleOfferedPosition(TZPXStyle(27)), -1); // out of range
}
