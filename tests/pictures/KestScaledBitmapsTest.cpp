#include "Fixtures.h"

#include "framework/Stream.h"
#include "pictures/KestScaledBitmaps.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A collection holding the given scales, each item named after its scale.
void Fill(TKestScaledBitmaps& c, std::initializer_list<float> scales)
{
    for (float s : scales)
        c.AddBitmapName(QString::number(s), s);
}

}

TEST(KestScaledBitmaps, GetItemByScaleTakesTheExactElseTheLargestPositive)
{
    struct Case {
        std::initializer_list<float> scales;
        float asked;
        int expected; // index, -1 for none
    };
    const Case cases[] = {
        {{1.0f, 1.5f, 2.0f}, 1.5f, 1},
        {{1.0f, 1.5f, 2.0f}, 3.0f, 2},
        {{1.0f, 1.5f, 2.0f}, 1.25f, 2}, // the largest, not the nearest
        {{2.0f, 1.0f, 2.0f}, 3.0f, 0},  // the first among equals
        {{0.0f, -1.0f}, 1.0f, -1},
        {{0.0f, -1.0f}, -1.0f, 1}, // an exact match wins even below 0
        {{}, 1.0f, -1},
        {{NAN, 1.0f}, NAN, 1}, // NaN matches nothing
    };
    for (const Case& c : cases) {
        TKestScaledBitmaps bitmaps(nullptr);
        Fill(bitmaps, c.scales);
        TKestScaledBitmap* item = bitmaps.GetItemByScale(c.asked);
        EXPECT_EQ(item ? item->Index() : -1, c.expected) << "asked " << c.asked;
        EXPECT_EQ(bitmaps.GetBitmapByScale(c.asked), item ? item->Bitmap() : nullptr);
    }
}

TEST(KestScaledBitmaps, SetBitmapReplacesTheSelectedItemAndAddsOnlyWhenNoneIsSelected)
{
    TKestBitmap picture;
    TMemoryStream png(Fixtures::Bytes("red.png"));
    picture.LoadFromStream(png);

    TKestScaledBitmaps bitmaps(nullptr);
    Fill(bitmaps, {1.0f, 2.0f});
    bitmaps.SetBitmap(3.0f, &picture);
    EXPECT_EQ(bitmaps.Count(), 2);
    EXPECT_EQ(bitmaps.Items(1)->Bitmap()->Width(), 4);
    EXPECT_EQ(bitmaps.Items(0)->Bitmap()->Graphic(), nullptr);

    TKestScaledBitmaps empty(nullptr);
    empty.SetBitmap(3.0f, &picture);
    ASSERT_EQ(empty.Count(), 1);
    EXPECT_EQ(empty.Items(0)->Scale(), 3.0f);
    EXPECT_EQ(empty.Items(0)->Bitmap()->Width(), 4);
}

TEST(KestScaledBitmaps, ChangesOfItemsAndTheirPicturesReachOnChange)
{
    TKestScaledBitmaps bitmaps(nullptr);
    int changes = 0;
    bitmaps.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &bitmaps);
        ++changes;
    };
    TKestScaledBitmap* item = bitmaps.Add(1.0f);
    EXPECT_GT(changes, 0);

    struct Step {
        const char* what;
        std::function<void()> act;
        bool reported;
    };
    TMemoryStream png(Fixtures::Bytes("red.png"));
    const Step steps[] = {
        {"same scale", [&] { item->SetScale(1.0f); }, false},
        {"other scale", [&] { item->SetScale(2.0f); }, true},
        {"NaN scale", [&] { item->SetScale(NAN); }, true},
        {"NaN again", [&] { item->SetScale(NAN); }, true},
        {"same name", [&] { item->SetBitmapName(QString()); }, false},
        {"other name", [&] { item->SetBitmapName("x"); }, true},
        {"picture loaded", [&] { item->Bitmap()->LoadFromStream(png); }, true},
    };
    for (const Step& s : steps) {
        changes = 0;
        s.act();
        EXPECT_EQ(changes > 0, s.reported) << s.what;
    }
}

TEST(KestScaledBitmaps, AssignCopiesPictureNameAndScale)
{
    TKestScaledBitmaps source(nullptr);
    TKestScaledBitmap* item = source.AddBitmapFromFile(Fixtures::Path("green.bmp"), 1.5f);
    item->SetBitmapName("green");
    TKestScaledBitmaps copy(nullptr);
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Items(0)->Scale(), 1.5f);
    EXPECT_EQ(copy.Items(0)->BitmapName(), QStringLiteral("green"));
    EXPECT_EQ(copy.Items(0)->Bitmap()->Width(), 4);
    EXPECT_NE(copy.Items(0)->Bitmap()->Graphic(), item->Bitmap()->Graphic());
    EXPECT_EQ(TKestScaledBitmaps(nullptr).Add(1.0f)->Scale(), 1.0f);
}
