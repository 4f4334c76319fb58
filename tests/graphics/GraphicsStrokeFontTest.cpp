// Change notification of the stroke and the font: what fires, how often,
// and what the update counter holds back.

#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"

#include "framework/Exception.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Counts the OnChanged calls of one object and checks their sender.
template <typename T>
struct TChangeCounter {
    explicit TChangeCounter(T& object) : Object(object)
    {
        object.OnChanged = [this](QObject* sender) {
            EXPECT_EQ(sender, &Object);
            ++Count;
        };
    }
    T& Object;
    int Count = 0;
};

TEST(GraphicsStroke, StartsSolidSilverOfWidthOne)
{
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    EXPECT_EQ(stroke.Kind(), gskSolid);
    EXPECT_EQ(stroke.Color(), TColor(0xC0C0C0));
    EXPECT_EQ(stroke.Width(), 1.0f);
    EXPECT_EQ(stroke.Opacity(), 1.0f);
}

TEST(GraphicsStroke, SettersNotifyOnlyRealChanges)
{
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    TChangeCounter changes(stroke);
    const std::function<void()> sameValues[] = {
        [&] { stroke.SetKind(gskSolid); },  [&] { stroke.SetColor(0xC0C0C0); },
        [&] { stroke.SetWidth(1); },        [&] { stroke.SetOpacity(1); },
    };
    for (const auto& set : sameValues)
        set();
    EXPECT_EQ(changes.Count, 0);

    const std::function<void()> newValues[] = {
        [&] { stroke.SetKind(gskDash); },   [&] { stroke.SetColor(0x123456); },
        [&] { stroke.SetWidth(2.5f); },     [&] { stroke.SetOpacity(0.5f); },
    };
    for (const auto& set : newValues)
        set();
    EXPECT_EQ(changes.Count, 4);
}

TEST(GraphicsStroke, SpecialColoursAreStoredAsTheirStandIns)
{
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    stroke.SetColor(clNone);
    EXPECT_EQ(stroke.Color(), gcNull);
    stroke.SetColor(clDefault);
    EXPECT_EQ(stroke.Color(), clBtnFace);
    TChangeCounter changes(stroke);
    stroke.SetColor(clDefault); // already the button face: a change all the same
    stroke.SetColor(clBtnFace);
    EXPECT_EQ(changes.Count, 1);
}

TEST(GraphicsStroke, UpdateCounterFiresOnceAtTheOutermostEnd)
{
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    TChangeCounter changes(stroke);
    stroke.BeginUpdate();
    stroke.BeginUpdate();
    stroke.SetWidth(3);
    stroke.SetColor(0x112233);
    stroke.EndUpdate();
    EXPECT_EQ(changes.Count, 0);
    stroke.EndUpdate();
    EXPECT_EQ(changes.Count, 1);
}

TEST(GraphicsStroke, UnmatchedEndUpdateDoesNotSilenceLaterChanges)
{
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    TChangeCounter changes(stroke);
    stroke.EndUpdate();
    stroke.EndUpdate();
    EXPECT_EQ(stroke.UpdateCount(), 0);
    changes.Count = 0;
    stroke.SetWidth(4);
    EXPECT_EQ(changes.Count, 1);
}

TEST(GraphicsStroke, AssignCopiesAStrokeAndNotifies)
{
    TKestGraphicsStroke source(gskDot, 0x010203);
    source.SetWidth(3);
    source.SetOpacity(0.25f);
    TKestGraphicsStroke stroke(gskSolid, 0xC0C0C0);
    TChangeCounter changes(stroke);
    stroke.Assign(&source);
    EXPECT_EQ(stroke.Kind(), gskDot);
    EXPECT_EQ(stroke.Color(), TColor(0x010203));
    EXPECT_EQ(stroke.Width(), 3.0f);
    EXPECT_EQ(stroke.Opacity(), 0.25f);
    EXPECT_EQ(changes.Count, 1);
}

TEST(GraphicsStroke, AssignToItselfChangesNothing)
{
    TKestGraphicsStroke stroke(gskDashDot, 0x010203);
    stroke.SetWidth(7);
    TChangeCounter changes(stroke);
    stroke.Assign(&stroke);
    EXPECT_EQ(stroke.Kind(), gskDashDot);
    EXPECT_EQ(stroke.Color(), TColor(0x010203));
    EXPECT_EQ(stroke.Width(), 7.0f);
    EXPECT_EQ(changes.Count, 0);
}

TEST(GraphicsFont, StartsAtEightPointsAndReportsEveryAttributeChange)
{
    TKestGraphicsFont font;
    EXPECT_EQ(font.Height(), -11);
    TChangeCounter changes(font);
    font.SetName(QStringLiteral("Arial"));
    font.SetStyle(fsBold);
    font.SetHeight(-11); // unchanged
    EXPECT_EQ(changes.Count, 2);

    font.BeginUpdate();
    font.SetColor(0x0000FF);
    font.SetHeight(-20);
    EXPECT_EQ(changes.Count, 2);
    font.EndUpdate();
    EXPECT_EQ(changes.Count, 3);
}

TEST(GraphicsFont, AssignIsOneChangeAndItselfIsNone)
{
    TFont source;
    source.SetName(QStringLiteral("Liberation Sans"));
    source.SetHeight(-16);
    TKestGraphicsFont font;
    TChangeCounter changes(font);
    font.AssignSource(&source);
    EXPECT_EQ(font.Name(), "Liberation Sans");
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(changes.Count, 1);

    font.Assign(&font);
    EXPECT_EQ(font.Name(), "Liberation Sans");
    EXPECT_EQ(changes.Count, 1);
}

TEST(GraphicsFont, AssignOfAnotherKindRaisesAndKeepsNotifying)
{
    TKestGraphicsFont font;
    TKestGraphicsStroke stroke(gskSolid, 0);
    TChangeCounter changes(font);
    EXPECT_THROW(font.Assign(&stroke), EConvertError);
    font.SetHeight(-30);
    EXPECT_EQ(changes.Count, 1);
}

}
