// The bar on screens of other resolutions: its buttons drawn at the pixel
// ratio of what they paint into, and folder icons taken at the size the
// scale asks for. The ScreenRatio tests use the real screen and run again
// with the screen at a ratio of 2 (tests/CMakeLists.txt).

#include "DropDownFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "pathbar/LeftIcon.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtMath>

namespace {

// The widget and its children drawn into a picture of that pixel ratio, as
// a screen of that ratio shows them.
QImage RenderAt(QWidget& widget, double ratio)
{
    QImage image(qCeil(widget.width() * ratio), qCeil(widget.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// 2 x 2 blocks of pixels within the box (in pixels) whose four pixels are
// not all equal. A picture drawn at half the pixels and enlarged has none.
int MixedBlocks(const QImage& image, const QRect& box)
{
    int mixed = 0;
    for (int y = box.top() & ~1; y + 1 <= box.bottom(); y += 2)
        for (int x = box.left() & ~1; x + 1 <= box.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) || p != image.pixel(x + 1, y + 1);
        }
    return mixed;
}

// The box of pixels that are not fully transparent.
QRect InkedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The folder tree of a temporary directory: a top folder with two subfolders.
class TempFolders {
public:
    TempFolders()
    {
        QDir().mkpath(root() + "/a");
        QDir().mkpath(root() + "/b");
    }
    QString root() const { return temp.path() + "/Top"; }

private:
    QTemporaryDir temp;
};

}

// --- Drawing surfaces ------------------------------------------------------

class ButtonsAtRatio2 : public BarLayoutFixture {
protected:
    void SetUp() override
    {
        BarLayoutFixture::SetUp();
        Show(400);
        auto chain = Chain({"Alpha", "Beta", "Gamma"});
        beta = Select(chain.back()).at(1);
    }

    TNodeButton* beta = nullptr;
};

TEST_F(ButtonsAtRatio2, TextsAndChevronsHaveTheScreensPixels)
{
    // Hot, so that the face, the text and the arrow are all drawn.
    QTest::mouseMove(beta, QPoint(3, 5));
    const QImage button = RenderAt(*beta, 2);
    const int arrowLeft = 2 * (beta->width() - 14);
    TDropDownButton* history = Inside(bar).DropDownButtonControl();
    QTest::mouseMove(history, QPoint(3, 3));
    const QImage historyButton = RenderAt(*history, 2);

    struct Part {
        const char* name;
        const QImage& picture;
        QRect box;
    };
    for (const Part& part : {Part{"node text", button, QRect(0, 0, arrowLeft, button.height())},
                             Part{"node arrow", button, QRect(arrowLeft, 0, button.width() - arrowLeft, button.height())},
                             Part{"history arrow", historyButton, historyButton.rect()}}) {
        EXPECT_GT(MixedBlocks(part.picture, part.box), 0) << part.name << " is drawn at half the pixels";
    }
}

// --- Icons at the scale, with the scale and ratio forced ----------------------

struct IconScaleCase {
    const char* name;
    double dpi;
    double ratio;
    int size;   // logical pixels of an icon
    int pixels; // its pixels
};

void PrintTo(const IconScaleCase& c, std::ostream* os) { *os << c.name; }

class FolderIconsAtScale : public DropDownFixture, public ::testing::WithParamInterface<IconScaleCase> {
protected:
    void SetUp() override
    {
        DropDownFixture::SetUp();
        // As high as a bar at 1.5, so that a scaled icon fits.
        Show(400, 36);
        dpi.Dpi = GetParam().dpi;
        dpi.Ratio = GetParam().ratio;
        scoped.emplace(dpi);
        bar->SetMode(aeFolder);
        bar->SetFolderPath(folders.root());
    }

    TempFolders folders;
};

TEST_P(FolderIconsAtScale, ImageListLeftIconAndHistoryList)
{
    const IconScaleCase& c = GetParam();
    const TCustomImageList* images = Inside(bar).GetImageList();
    ASSERT_TRUE(images);
    EXPECT_EQ(images->Width(), c.size);
    EXPECT_EQ(images->Height(), c.size);
    const int index = bar->SelectedNode()->ImageIndex();
    ASSERT_GE(index, 0);
    const QImage icon = images->GetImage(index);
    EXPECT_EQ(icon.size(), QSize(c.pixels, c.pixels));
    EXPECT_EQ(icon.devicePixelRatio(), c.ratio);

    // The left icon's box holds the icon with a margin.
    EXPECT_EQ(Inside(bar).LeftIcon()->width(), c.size + 6);
    // The left icon shows the picture centred in its box, whatever its
    // ratio (one pixel higher while the bar does not have the focus).
    TLeftIcon* left = Inside(bar).LeftIcon();
    const QImage drawn = RenderAt(*left, c.ratio);
    const QRect inIcon = InkedBox(icon);
    const QRect inDrawn = InkedBox(drawn);
    ASSERT_EQ(inDrawn.size(), inIcon.size()) << "drawn at its own size";
    const QPoint offset = inDrawn.topLeft() - inIcon.topLeft();
    // Whole units: a half unit of the margin may fall on either side.
    EXPECT_NEAR(2 * offset.x() + c.pixels, drawn.width(), c.ratio + 1) << "centred across";
    const int lift = Inside(bar).HasFocusLook() ? 0 : 1;
    EXPECT_NEAR(2 * offset.y() + c.pixels, drawn.height() - 2 * lift * c.ratio, c.ratio + 1) << "centred down";

    // The history list's rows are as high as the icons.
    PressHistoryButton();
    const TExplorerTreeviewListBox* list = Inside(bar).DropListBox();
    ASSERT_TRUE(list);
    EXPECT_GE(list->ItemHeight(), c.size);
}

INSTANTIATE_TEST_SUITE_P(Scales, FolderIconsAtScale,
                         ::testing::Values(IconScaleCase{"Unscaled", 96, 1, 16, 16},
                                           IconScaleCase{"FontDpi144", 144, 1, 24, 24},
                                           IconScaleCase{"Ratio2", 96, 2, 16, 32},
                                           IconScaleCase{"Ratio1_5", 96, 1.5, 16, 24}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The real screen -------------------------------------------------------

TEST(PathBarScreenRatio, IconsAndButtonsFollowTheScreen)
{
    TempFolders folders;
    TKestExplorerTreeview bar(nullptr);
    bar.setGeometry(0, 0, 400, 25);
    bar.SetMode(aeFolder);
    bar.SetFolderPath(folders.root());
    bar.show();
    const double ratio = bar.devicePixelRatioF();

    const TCustomImageList* images = Inside(bar).GetImageList();
    ASSERT_TRUE(images);
    const QImage icon = images->GetImage(bar.SelectedNode()->ImageIndex());
    EXPECT_EQ(icon.size(), images->PixelSize());
    EXPECT_EQ(images->PixelSize(), QSize(qRound(images->Width() * ratio), qRound(images->Height() * ratio)));
    EXPECT_EQ(icon.devicePixelRatio(), ratio);

    // On a screen of more pixels the buttons use them: drawn at one pixel
    // per unit and enlarged they would have none of their own.
    bar.SetSelectedNode(bar.SelectedNode()->GetFirstChild());
    ASSERT_FALSE(Inside(bar).NodeButtons().empty());
    const QImage grabbed = Inside(bar).NodeButtons().front()->grab().toImage();
    EXPECT_EQ(grabbed.devicePixelRatio(), ratio);
    if (ratio >= 2) {
        EXPECT_GT(MixedBlocks(grabbed, grabbed.rect()), 0);
    }
}
