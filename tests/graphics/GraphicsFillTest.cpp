// The fill: initial values, what notifies and how often, its gradient stops,
// texture and assignment from fills and strokes.

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"

#include "framework/Bitmap.h"
#include "framework/TypeInfo.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct TFillFixture : ::testing::Test {
    TFillFixture()
    {
        fill.OnChanged = [this](QObject* sender) {
            EXPECT_EQ(sender, &fill);
            ++changes;
        };
    }

    // A texture of the given colour and size held by a picture.
    static void SetTexture(TKestBitmap& picture, QRgb rgb, int size = 8)
    {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(rgb);
        TBitmap bitmap;
        bitmap.SetImage(image);
        picture.Assign(&bitmap);
    }

    static const QImage& TextureImage(const TKestCustomGraphicsFill& f)
    {
        return static_cast<TBitmap*>(f.Texture()->Graphic())->Image();
    }

    TKestGraphicsFill fill{gfkSolid, 0xFFFFFF};
    int changes = 0;
};

TEST_F(TFillFixture, StartsWithTheDocumentedValues)
{
    EXPECT_EQ(fill.Kind(), gfkSolid);
    EXPECT_EQ(fill.Color(), TColor(0xFFFFFF));
    EXPECT_EQ(fill.Orientation(), gfoVertical);
    EXPECT_EQ(fill.ColorTo(), TColor(0x808080));
    EXPECT_EQ(fill.ColorMirror(), gcNull);
    EXPECT_EQ(fill.ColorMirrorTo(), gcNull);
    EXPECT_EQ(fill.Opacity(), 1.0f);
    ASSERT_NE(fill.Texture(), nullptr);
    EXPECT_EQ(fill.Texture()->Graphic(), nullptr);
    EXPECT_EQ(fill.TextureMode(), gtmStretch);
    EXPECT_EQ(fill.GradientMode(), gfgmDefault);
    EXPECT_EQ(fill.GradientItems()->Count(), 0);
    EXPECT_EQ(fill.GradientType(), gfgtLinear);
    EXPECT_EQ(fill.GradientAngle(), 0.0f);
    EXPECT_EQ(fill.GradientCenterPoint(), TPointF(0, 0));
    EXPECT_EQ(fill.GradientCenterColor(), gcNull);
    EXPECT_EQ(fill.GradientMatrix(), TKestGraphicsMatrix::Identity());
}

TEST_F(TFillFixture, PublishedValuesAtTheirDefaultsAreNotStored)
{
    for (const QMetaProperty& p : TypeInfo::PublishedProperties(fill.metaObject()))
        if (!TypeInfo::IsObjectProperty(p)) {
            EXPECT_FALSE(TypeInfo::IsStored(&fill, p)) << p.name();
        }
    fill.SetColorMirror(0x0000FF);
    auto mirror = TypeInfo::FindPublishedProperty(fill.metaObject(), QStringLiteral("ColorMirror"));
    ASSERT_TRUE(mirror);
    EXPECT_TRUE(TypeInfo::IsStored(&fill, *mirror));
}

TEST_F(TFillFixture, SettersNotifyOnlyRealChanges)
{
    struct TSetter {
        const char* Name;
        std::function<void()> Same, Other;
    };
    const TSetter setters[] = {
        {"Kind", [&] { fill.SetKind(gfkSolid); }, [&] { fill.SetKind(gfkGradient); }},
        {"Orientation", [&] { fill.SetOrientation(gfoVertical); }, [&] { fill.SetGradientOrientation(gfoCustom); }},
        {"Color", [&] { fill.SetColor(0xFFFFFF); }, [&] { fill.SetColor(0x123456); }},
        {"ColorTo", [&] { fill.SetColorTo(0x808080); }, [&] { fill.SetColorTo(0x123456); }},
        {"ColorMirror", [&] { fill.SetColorMirror(gcNull); }, [&] { fill.SetColorMirror(0x123456); }},
        {"ColorMirrorTo", [&] { fill.SetColorMirrorTo(gcNull); }, [&] { fill.SetColorMirrorTo(0x123456); }},
        {"Opacity", [&] { fill.SetOpacity(1); }, [&] { fill.SetOpacity(0.5f); }},
        {"TextureMode", [&] { fill.SetTextureMode(gtmStretch); }, [&] { fill.SetTextureMode(gtmTile); }},
        {"GradientMode", [&] { fill.SetGradientMode(gfgmDefault); }, [&] { fill.SetGradientMode(gfgmCollection); }},
        {"GradientType", [&] { fill.SetGradientType(gfgtLinear); }, [&] { fill.SetGradientType(gfgtRadial); }},
        {"GradientAngle", [&] { fill.SetGradientAngle(0); }, [&] { fill.SetGradientAngle(45); }},
        {"GradientCenterColor", [&] { fill.SetGradientCenterColor(gcNull); },
         [&] { fill.SetGradientCenterColor(0x123456); }},
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.Name);
        changes = 0;
        s.Same();
        EXPECT_EQ(changes, 0);
        s.Other();
        EXPECT_EQ(changes, 1);
    }
    changes = 0;
    fill.SetGradientCenterPoint(fill.GradientCenterPoint()); // notifies without comparing
    EXPECT_EQ(changes, 1);
    fill.GradientMatrix() = TKestGraphicsMatrix::CreateScaling(2, 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(TFillFixture, SpecialColoursAreStoredAsTheirStandIns)
{
    fill.SetColor(clNone);
    EXPECT_EQ(fill.Color(), gcNull);
    fill.SetColorTo(clDefault);
    EXPECT_EQ(fill.ColorTo(), clBtnFace);
    fill.SetColorMirror(clNone);
    EXPECT_EQ(fill.ColorMirror(), gcNull);
    fill.SetColorMirrorTo(clDefault);
    EXPECT_EQ(fill.ColorMirrorTo(), clBtnFace);
    fill.SetGradientCenterColor(clNone); // stored as given
    EXPECT_EQ(fill.GradientCenterColor(), clNone);
}

TEST_F(TFillFixture, UpdateCounterFiresOnceAtTheOutermostEnd)
{
    fill.BeginUpdate();
    fill.BeginUpdate();
    fill.SetColor(0x010101);
    fill.SetKind(gfkGradient);
    fill.EndUpdate();
    EXPECT_EQ(changes, 0);
    fill.EndUpdate();
    EXPECT_EQ(changes, 1);
    fill.EndUpdate(); // unmatched: notifies, and the counter stays at 0
    fill.SetColor(0x020202);
    EXPECT_EQ(changes, 3);
}

TEST_F(TFillFixture, StopValuesNotifyTheFillButAddingAndClearingDoNot)
{
    fill.AddGradientItem(0xFFFFFF, 0, 1); // every value its default: no change
    EXPECT_EQ(changes, 0);
    TKestGraphicsFillGradientItem* stop = fill.AddGradientItem(0x0000FF, 0.5f, 0.25f);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(stop->Color(), TColor(0x0000FF));
    EXPECT_EQ(stop->Position(), 0.5f);
    EXPECT_EQ(stop->Opacity(), 0.25f);

    changes = 0;
    stop->SetPosition(0.75f);
    stop->SetPosition(0.75f);
    EXPECT_EQ(changes, 1);
    fill.GradientItems()->Add();
    fill.GradientItems()->Insert(0);
    EXPECT_EQ(fill.GradientItems()->Count(), 4);
    fill.ClearGradientItems();
    EXPECT_EQ(fill.GradientItems()->Count(), 0);
    EXPECT_EQ(changes, 1);

    // A stop in a collection without a fill changes quietly.
    TKestGraphicsFillGradientItems loose(nullptr);
    loose.Add()->SetColor(0x00FF00);
    EXPECT_EQ(loose.Items(0)->Color(), TColor(0x00FF00));
}

TEST_F(TFillFixture, GradientItemsSetterCopiesTheStops)
{
    TKestGraphicsFill other(gfkGradient, 0);
    other.AddGradientItem(0x0000FF, 0.25f, 1);
    other.AddGradientItem(0x00FF00, 0.75f, 0.5f);
    fill.SetGradientItems(other.GradientItems());
    EXPECT_EQ(changes, 0);
    ASSERT_EQ(fill.GradientItems()->Count(), 2);
    EXPECT_EQ(fill.GradientItems()->GetItemEx(1)->Position(), 0.75f);
    EXPECT_EQ(fill.GradientItems()->GetItemEx(1)->Opacity(), 0.5f);
    fill.GradientItems()->SetItemEx(0, other.GradientItems()->Items(1));
    EXPECT_EQ(fill.GradientItems()->Items(0)->Color(), TColor(0x00FF00));
    EXPECT_EQ(changes, 0);
}

TEST_F(TFillFixture, AssignCopiesAFillButNotItsMatrix)
{
    TKestGraphicsFill source(gfkTexture, 0x112233);
    source.SetColorTo(0x445566);
    source.SetColorMirror(0x778899);
    source.SetColorMirrorTo(0xAABBCC);
    source.SetOrientation(gfoHorizontal);
    source.SetOpacity(0.5f);
    SetTexture(*source.Texture(), qRgb(255, 0, 0));
    source.SetTextureMode(gtmTile);
    source.SetGradientMode(gfgmCollection);
    source.SetGradientAngle(30);
    source.SetGradientCenterPoint({3, 4});
    source.AddGradientItem(0x0000FF, 0.5f, 1);
    source.SetGradientType(gfgtRadial);
    source.SetGradientCenterColor(0x010203);
    source.GradientMatrix() = TKestGraphicsMatrix::CreateTranslation(5, 5);

    fill.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fill.Kind(), gfkTexture);
    EXPECT_EQ(fill.Color(), TColor(0x112233));
    EXPECT_EQ(fill.ColorTo(), TColor(0x445566));
    EXPECT_EQ(fill.ColorMirror(), TColor(0x778899));
    EXPECT_EQ(fill.ColorMirrorTo(), TColor(0xAABBCC));
    EXPECT_EQ(fill.Orientation(), gfoHorizontal);
    EXPECT_EQ(fill.Opacity(), 0.5f);
    EXPECT_EQ(fill.TextureMode(), gtmTile);
    EXPECT_EQ(fill.GradientMode(), gfgmCollection);
    EXPECT_EQ(fill.GradientAngle(), 30.0f);
    EXPECT_EQ(fill.GradientCenterPoint(), TPointF(3, 4));
    ASSERT_EQ(fill.GradientItems()->Count(), 1);
    EXPECT_EQ(fill.GradientItems()->Items(0)->Position(), 0.5f);
    EXPECT_EQ(fill.GradientType(), gfgtRadial);
    EXPECT_EQ(fill.GradientCenterColor(), TColor(0x010203));
    EXPECT_EQ(fill.GradientMatrix(), TKestGraphicsMatrix::Identity());
    // The texture's pixels are shared, not copied.
    EXPECT_EQ(TextureImage(fill).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(TextureImage(fill).constBits(), TextureImage(source).constBits());
}

TEST_F(TFillFixture, AssignToItselfChangesNothing)
{
    fill.SetKind(gfkTexture);
    SetTexture(*fill.Texture(), qRgb(0, 0, 255));
    fill.AddGradientItem(0x0000FF, 0.5f, 1);
    changes = 0;
    fill.Assign(&fill);
    EXPECT_EQ(changes, 0);
    ASSERT_NE(fill.Texture()->Graphic(), nullptr);
    EXPECT_EQ(TextureImage(fill).pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(fill.GradientItems()->Count(), 1);
    EXPECT_EQ(fill.Kind(), gfkTexture);
}

TEST_F(TFillFixture, StrokeAndFillAssignEachOther)
{
    fill.SetColorTo(0x111111);
    fill.SetColorMirror(0x222222);
    fill.SetKind(gfkGradient);
    fill.SetOrientation(gfoHorizontal);
    fill.SetOpacity(0.3f);
    fill.SetTextureMode(gtmCenter);
    TKestGraphicsStroke stroke(gskDash, 0x0000FF);
    stroke.SetWidth(4);
    stroke.SetOpacity(0.5f);
    changes = 0;
    fill.Assign(&stroke);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fill.Color(), TColor(0x0000FF));
    EXPECT_EQ(fill.ColorTo(), gcNull);
    EXPECT_EQ(fill.ColorMirror(), gcNull);
    EXPECT_EQ(fill.ColorMirrorTo(), gcNull);
    EXPECT_EQ(fill.Kind(), gfkSolid);
    EXPECT_EQ(fill.Orientation(), gfoVertical);
    EXPECT_EQ(fill.Opacity(), 1.0f);
    EXPECT_EQ(fill.TextureMode(), gtmCenter); // nothing else changes

    fill.SetColor(0x00FF00);
    stroke.Assign(&fill);
    EXPECT_EQ(stroke.Color(), TColor(0x00FF00));
    EXPECT_EQ(stroke.Kind(), gskSolid);
    EXPECT_EQ(stroke.Width(), 1.0f);
    EXPECT_EQ(stroke.Opacity(), 1.0f);
}

TEST_F(TFillFixture, AssignFromAnotherClassStillNotifies)
{
    struct TOther : TPersistent {};
    TOther other;
    fill.Assign(&other);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fill.Color(), TColor(0xFFFFFF));
}

TEST_F(TFillFixture, TextureSetterCopiesAndChangesOfTheTextureNotify)
{
    fill.SetTexture(fill.Texture());
    EXPECT_EQ(changes, 0);
    TKestBitmap picture;
    SetTexture(picture, qRgb(0, 255, 0));
    fill.SetTexture(&picture);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(TextureImage(fill).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_NE(fill.Texture(), &picture);

    SetTexture(*fill.Texture(), qRgb(1, 2, 3)); // a change of the texture itself
    EXPECT_EQ(changes, 2);
}

TEST(GraphicsSaveState, StartsWithWhiteFillSilverStrokeAndCopiesWhatItIsGiven)
{
    TKestGraphicsSaveState state;
    EXPECT_EQ(state.Fill()->Kind(), gfkSolid);
    EXPECT_EQ(state.Fill()->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(state.Stroke()->Kind(), gskSolid);
    EXPECT_EQ(state.Stroke()->Color(), TColor(0xC0C0C0));
    EXPECT_EQ(state.Font()->Height(), -11);

    TKestGraphicsFill fill(gfkGradient, 0x0000FF);
    TKestGraphicsStroke stroke(gskDot, 0x00FF00);
    TKestGraphicsFont font;
    font.SetName(QStringLiteral("Liberation Serif"));
    state.SetFill(&fill);
    state.SetStroke(&stroke);
    state.SetFont(&font);
    state.SetSaveDC(3);
    state.SetCustomSaveDC(42);
    EXPECT_NE(state.Fill(), &fill);
    EXPECT_EQ(state.Fill()->Kind(), gfkGradient);
    EXPECT_EQ(state.Stroke()->Color(), TColor(0x00FF00));
    EXPECT_EQ(state.Font()->Name(), "Liberation Serif");
    EXPECT_EQ(state.SaveDC(), 3);
    EXPECT_EQ(state.CustomSaveDC(), 42u);
}

}
