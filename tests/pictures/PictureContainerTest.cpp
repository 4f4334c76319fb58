#include "Fixtures.h"

#include "framework/Stream.h"
#include "pictures/HTMLPicture.h"
#include "pictures/PictureContainer.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

class TProbeControl : public QWidget, public TComponent {
public:
    TProbeControl() : TComponent(this, nullptr) {}
    ~TProbeControl() override { Destroying(); }
};

TPictureItem* AddPicture(TPictureContainer& c, const QString& name, const QString& file)
{
    TPictureItem* item = c.Items()->Add();
    item->SetName(name);
    TMemoryStream s(Fixtures::Bytes(file));
    item->Picture()->LoadFromStream(s);
    return item;
}

}

TEST(PictureContainer, FindsPicturesByNameIgnoringAsciiCase)
{
    TPictureContainer c;
    TPictureItem* first = AddPicture(c, "logo", "red.png");
    AddPicture(c, "LOGO", "green.bmp");
    AddPicture(c, "Ärger", "blue.ico");
    EXPECT_EQ(c.FindPicture("LOGO"), first->Picture());
    EXPECT_EQ(c.FindPicture("unknown"), nullptr);
    EXPECT_NE(c.FindPicture("Ärger"), nullptr);
    EXPECT_EQ(c.FindPicture("äRGER"), nullptr); // only ASCII letters ignore case
    EXPECT_EQ(c.Version(), QStringLiteral("2.1.1.0"));
}

TEST(PictureContainer, FindBitmapHoldersLastUntilTheNextCall)
{
    TPictureContainer c;
    AddPicture(c, "a", "red.png");
    AddPicture(c, "b", "green.bmp");
    QPointer<TPicture> first = c.FindBitmap("a");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Width(), 4);
    QPointer<TPicture> second = c.FindBitmap("b");
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(second);
    QPointer<TPicture> third = c.Items()->Items(0)->Bitmap();
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(third);
    EXPECT_EQ(c.FindBitmap("none"), nullptr);
    EXPECT_TRUE(third.isNull());
}

TEST(PictureContainer, RegisteredControlsRepaintAndAreForgottenWhenDestroyed)
{
    TPictureContainer c;
    int changes = 0;
    c.OnChange = [&](QObject*) { ++changes; };
    auto control = std::make_unique<TProbeControl>();
    c.RegisterControl(control.get());
    c.RegisterControl(control.get());
    EXPECT_EQ(c.RegisteredControlCount(), 2);
    AddPicture(c, "a", "red.png");
    EXPECT_GT(changes, 0);
    control.reset();
    EXPECT_EQ(c.RegisteredControlCount(), 0);
    changes = 0;
    c.Items()->Items(0)->SetIndex(0);
    c.Changed(); // must not touch the destroyed control
    EXPECT_EQ(changes, 1);
}

TEST(PictureContainer, AnimateStepsEveryAnimatedPicture)
{
    TPictureContainer c;
    AddPicture(c, "still", "still.gif");
    AddPicture(c, "anim", "anim3.gif");
    std::vector<bool> moved;
    for (int tick = 0; tick < 5; ++tick)
        moved.push_back(c.Items()->Animate());
    EXPECT_EQ(moved, (std::vector<bool>{false, false, true, false, true}));
}

TEST(PictureContainer, SettingItemsCopiesThem)
{
    TPictureContainer source;
    AddPicture(source, "a", "red.png");
    TPictureContainer target;
    target.SetItems(source.Items());
    ASSERT_EQ(target.Items()->Count(), 1);
    EXPECT_EQ(target.Items()->Items(0)->Name(), QStringLiteral("a"));
    EXPECT_NE(target.FindPicture("a"), source.FindPicture("a"));
    EXPECT_EQ(target.FindPicture("a")->Width(), 4);
}
