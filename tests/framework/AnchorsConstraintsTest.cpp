#include "framework/Button.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/SizeConstraints.h"

#include <gtest/gtest.h>
#include <memory>

#include "support/QtPrinters.h"

namespace {

// A shown 300 x 200 form with one button at (50, 40, 100 x 30).
struct AnchorFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TButton* button = new TButton(form.get());

    AnchorFixture()
    {
        form->resize(300, 200);
        button->SetParent(form.get());
        button->SetBounds(50, 40, 100, 30);
        form->show();
    }
};

}

TEST_F(AnchorFixture, ControlFollowsTheEdgesItIsAnchoredTo)
{
    const struct {
        const char* name;
        TAnchors anchors;
        QRect grown;  // form 400 x 260
        QRect shrunk; // form 200 x 100
    } rows[] = {
        {"left top stays", akLeft | akTop, {50, 40, 100, 30}, {50, 40, 100, 30}},
        {"right moves", akRight | akTop, {150, 40, 100, 30}, {-50, 40, 100, 30}},
        {"left and right stretch", akLeft | akRight | akTop, {50, 40, 200, 30}, {50, 40, 0, 30}},
        {"bottom moves", akLeft | akBottom, {50, 100, 100, 30}, {50, -60, 100, 30}},
        {"top and bottom stretch", akLeft | akTop | akBottom, {50, 40, 100, 90}, {50, 40, 100, 0}},
        {"no edge keeps the centre in proportion", TAnchors(), {83, 57, 100, 30}, {17, 13, 100, 30}},
    };
    for (const auto& r : rows) {
        form->resize(300, 200);
        button->SetAnchors(akLeft | akTop);
        button->SetBounds(50, 40, 100, 30);
        button->SetAnchors(r.anchors);
        form->resize(400, 260);
        EXPECT_EQ(button->geometry(), r.grown) << r.name;
        form->resize(200, 100);
        EXPECT_EQ(button->geometry(), r.shrunk) << r.name;
        form->resize(300, 200);
        EXPECT_EQ(button->geometry(), QRect(50, 40, 100, 30)) << r.name;
    }
}

TEST_F(AnchorFixture, BoundsSetLaterAreTheNewOrigin)
{
    button->SetAnchors(akRight | akBottom);
    form->resize(400, 300);
    button->SetLeft(10); // 290 pixels from the right edge now
    form->resize(500, 300);
    EXPECT_EQ(button->geometry(), QRect(110, 140, 100, 30));
}

TEST_F(AnchorFixture, AlignmentWinsOverAnchors)
{
    button->SetAnchors(akRight | akBottom);
    button->SetAlign(alTop);
    form->resize(400, 260);
    EXPECT_EQ(button->geometry(), QRect(0, 0, 400, 30));
}

TEST_F(AnchorFixture, ConstraintsBoundEverySize)
{
    TSizeConstraints* c = button->Constraints();
    c->SetMinWidth(80);
    c->SetMaxWidth(150);
    c->SetMaxHeight(20); // applied at once
    EXPECT_EQ(button->size(), QSize(100, 20));
    button->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(button->size(), QSize(80, 10));
    button->SetWidth(500);
    EXPECT_EQ(button->Width(), 150);

    button->SetAnchors(akLeft | akTop | akRight);
    form->resize(1000, 200);
    EXPECT_EQ(button->Width(), 150);
    button->SetAlign(alTop);
    EXPECT_EQ(button->size(), QSize(150, 10));

    // Open bounds again: 0 is no bound.
    c->SetMaxWidth(0);
    c->SetMaxHeight(0);
    button->SetHeight(40);
    EXPECT_EQ(button->size(), QSize(1000, 40));
}

TEST(SizeConstraints, MinimumAndMaximumNeverCross)
{
    TSizeConstraints c;
    int changes = 0;
    c.OnChange = [&](QObject*) { ++changes; };
    c.SetMinWidth(100);
    c.SetMaxWidth(50); // lowers the minimum
    EXPECT_EQ(c.MinWidth(), 50);
    c.SetMinHeight(10);
    c.SetMaxHeight(30);
    c.SetMinHeight(70); // raises the maximum
    EXPECT_EQ(c.MaxHeight(), 70);
    c.SetMaxHeight(70); // no change, no notice
    EXPECT_EQ(changes, 5);

    TSizeConstraints copy;
    copy.Assign(&c);
    EXPECT_EQ(copy.MaximumSize(), QSize(50, 70));
    EXPECT_EQ(copy.MinimumSize(), QSize(50, 70));

    try {
        c.SetMinHeight(-1);
        FAIL() << "negative accepted";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "MinHeight must not be negative");
    }
    EXPECT_EQ(c.MinHeight(), 70);
}
