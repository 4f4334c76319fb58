#include "BarLayoutFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include <QTest>

namespace {

QRgb Rgb(TColor c) { return ColorToQColor(c).rgb(); }

class FramePainting : public BarLayoutFixture {
protected:
    void SetUp() override
    {
        BarLayoutFixture::SetUp();
        Show(300);
    }

    QImage Grab() { return bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void Enter()
    {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(bar.get(), &enter);
    }
};

}

TEST_F(FramePainting, DefaultFrameIsOneLineWithTheRefreshSeparator)
{
    const TColor inner = bar->Appearance()->InnerBorderColor();
    QImage image = Grab();
    EXPECT_EQ(image.pixel(0, 12), Rgb(inner));
    EXPECT_EQ(image.pixel(150, 0), Rgb(inner));
    EXPECT_EQ(image.pixel(299, 12), Rgb(inner));
    EXPECT_EQ(image.pixel(150, 24), Rgb(inner));
    EXPECT_NE(image.pixel(1, 12), Rgb(inner));
    EXPECT_EQ(image.pixel(274, 12), Rgb(inner)) << "separator at the refresh button's left edge";
    EXPECT_EQ(image.pixel(274, 1), Rgb(inner));
    EXPECT_EQ(image.pixel(274, 23), Rgb(inner));
}

TEST_F(FramePainting, TwoLinesAndTheSeparatorColourRule)
{
    struct Case {
        const char* name;
        TColor outer, inner, innerMost;
        TColor separator;
    };
    for (const Case& c : {Case{"Inner", clRed, clBlue, clNone, clBlue}, Case{"Outer", clRed, clNone, clNone, clRed},
                          Case{"InnerMost", clNone, clNone, clGreen, clGreen},
                          Case{"Black", clNone, clNone, clNone, clBlack}}) {
        bar->Appearance()->SetOuterBorderColor(c.outer);
        bar->Appearance()->SetInnerBorderColor(c.inner);
        bar->Appearance()->SetInnerMostBorderColor(c.innerMost);
        QImage image = Grab();
        EXPECT_EQ(image.pixel(274, 12), Rgb(c.separator)) << c.name;
    }
    bar->Appearance()->SetInnerMostBorderColor(clNone);
    bar->Appearance()->SetOuterBorderColor(clRed);
    bar->Appearance()->SetInnerBorderColor(clBlue);
    QImage image = Grab();
    EXPECT_EQ(image.pixel(0, 12), Rgb(clRed));
    EXPECT_EQ(image.pixel(1, 12), Rgb(clBlue));
    EXPECT_NE(image.pixel(2, 12), Rgb(clBlue));
}

TEST_F(FramePainting, InnerMostLineHasCutCornersAndHidesUnderTheMouse)
{
    bar->Appearance()->SetInnerMostBorderColor(clGreen);
    QImage image = Grab();
    EXPECT_EQ(image.pixel(1, 12), Rgb(clGreen));
    EXPECT_EQ(image.pixel(150, 1), Rgb(clGreen));
    EXPECT_EQ(image.pixel(150, 23), Rgb(clGreen));
    EXPECT_EQ(image.pixel(1, 1), Rgb(bar->Color())) << "corner cut off";
    EXPECT_EQ(image.pixel(298, 23), Rgb(bar->Color()));
    Enter();
    EXPECT_TRUE(bar->MouseInControl());
    image = Grab();
    EXPECT_NE(image.pixel(1, 12), Rgb(clGreen));
}

TEST_F(FramePainting, NoSeparatorWithoutRefreshButton)
{
    bar->SetRefreshButton(false);
    QImage image = Grab();
    for (int x = 2; x < 298; ++x)
        ASSERT_NE(image.pixel(x, 12), Rgb(bar->Appearance()->InnerBorderColor())) << x;
}

TEST_F(FramePainting, BackgroundFollowsTheMouseAndTheAppearance)
{
    auto* look = bar->Appearance();
    look->SetColor(0x102030);
    Enter();
    EXPECT_EQ(bar->Color().Value, look->HotColor().Value);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar.get(), &leave);
    EXPECT_EQ(bar->Color().Value, 0x102030);
}

TEST_F(FramePainting, AppearanceChangeMovesTheButtons)
{
    auto chain = Chain({"", ""});
    Select(chain.back());
    ASSERT_EQ(Inside(bar).NodeButtons().size(), 2u);
    bar->Appearance()->SetOuterBorderColor(clRed); // border width 2
    EXPECT_EQ(Inside(bar).NodeButtons()[0]->y(), 2);
    EXPECT_EQ(Inside(bar).DropDownButtonControl()->y(), 2);
}

TEST_F(FramePainting, NodeButtonColours)
{
    auto* look = bar->Appearance();
    look->SetColor(clWhite);
    look->SetHotColor(clWhite);
    auto chain = Chain({"Alpha", "Beta", "Gamma"});
    TNodeButton* beta = Select(chain.back()).at(1);
    const QRect r = beta->geometry();

    // Normal: no face, a grey chevron.
    QImage image = Grab();
    int darkest = 255;
    for (int y = r.top(); y < r.y() + r.height(); ++y)
        for (int x = r.x() + r.width() - 14; x < r.x() + r.width(); ++x) {
            QRgb px = image.pixel(x, y);
            ASSERT_EQ(qRed(px), qBlue(px)) << x << "," << y;
            ASSERT_EQ(qRed(px), qGreen(px));
            darkest = std::min(darkest, qRed(px));
        }
    EXPECT_LT(darkest, 0xC0);
    EXPECT_GE(darkest, 0x80);

    // Hot text part: the hot face from top to mirror bottom, white highlight.
    QTest::mouseMove(beta, QPoint(3, 5));
    image = Grab();
    auto near = [](QRgb px, TColor c) {
        QColor q = ColorToQColor(c);
        return std::abs(qRed(px) - q.red()) <= 8 && std::abs(qGreen(px) - q.green()) <= 8 &&
               std::abs(qBlue(px) - q.blue()) <= 8;
    };
    const int x = r.x() + 3;
    EXPECT_EQ(image.pixel(r.x(), r.y() + 5), Rgb(look->ButtonAppearance()->BorderColorHot()));
    EXPECT_EQ(image.pixel(r.x() + 1, r.y() + 5), qRgb(255, 255, 255));
    EXPECT_TRUE(near(image.pixel(x, r.y() + 1), look->ButtonAppearance()->ColorHot()));
    EXPECT_TRUE(near(image.pixel(x, r.y() + r.height() - 2), look->ButtonAppearance()->ColorMirrorHotTo()));

    // Hot arrow part: the text part turns node hot.
    QTest::mouseMove(beta, QPoint(beta->width() - 3, 5));
    image = Grab();
    EXPECT_TRUE(near(image.pixel(x, r.y() + 1), look->ButtonAppearance()->ColorNodeHot()));
    EXPECT_EQ(image.pixel(r.x(), r.y() + 5), Rgb(look->ButtonAppearance()->BorderColorNodeHot()));
}
