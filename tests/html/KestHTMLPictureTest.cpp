// Pictures in markup: every source kind measured at its drawn size, sizes
// from one side kept in proportion, sources that must not be read, floating
// pictures with text beside them, and pictures that do not fit.

#include "KestHTMLTestCanvas.h"
#include "KestHTMLTestPictures.h"
#include "graphics/html/KestHTMLPictures.h"

#include <QFile>

namespace {

class THTMLPictureTest : public THTMLCanvasTest {
protected:
    THTMLPictureTest()
    {
        Prepare = [this](TKestHTMLDrawInput& input) {
            input.PictureContainer = &Pictures.Container;
            input.ImageList = &Pictures.Images;
        };
        // A named picture without a picture in it.
        Pictures.Container.Items()->Add()->SetName(QStringLiteral("empty"));
    }
    TKestHTMLTestPictures Pictures;
};

TEST_P(THTMLPictureTest, PicturesMeasureAtTheirDrawnSize)
{
    const float line = LineHeight();
    const QString data = TKestHTMLTestPictures::DataSource(TKestHTMLTestPictures::Checker(6, Qt::red, Qt::blue));
    const struct {
        const char* Name;
        QString Source;
        QString Size;
        float Width, Height; // 0 x 0: nothing placed
    } cases[] = {
        {"named, own size", "logo", "", 40, 30},
        {"named, any case", "LOGO", "", 40, 30},
        {"width only keeps the proportion", "logo", "WIDTH=\"20\"", 20, 15},
        {"height only keeps the proportion", "logo", "HEIGHT=\"60\"", 80, 60},
        {"both sides", "logo", "WIDTH=\"10\" HEIGHT=\"50\"", 10, 50},
        {"zero width", "logo", "WIDTH=\"0\"", 0, 0},
        {"image list", "IDX:1", "", 16, 16},
        {"image list out of range", "IDX:2", "", 0, 0},
        {"image list not a number", "IDX:x", "", 0, 0},
        {"file", Pictures.FileSource(), "", 24, 24},
        {"data", data, "", 12, 12},
        {"data that is no picture", "data:image/png;base64,AAAA", "", 0, 0},
        {"data that is no Base64", "data:image/png;base64,!!!!", "", 0, 0},
        {"data without Base64", "data:image/png,xyz", "", 0, 0},
        {"unknown name", "nothing", "", 0, 0},
        {"empty named picture", "empty", "WIDTH=\"20\"", 0, 0},
        {"unknown resource", "RES://NO_SUCH_PICTURE", "", 0, 0},
        {"unknown scheme", "http://example.com/x.png", "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TKestHTMLDrawOutput out = Measure(QStringLiteral("<IMG SRC=\"%1\" %2>").arg(c.Source, c.Size));
        // A picture moves on by its width and 2; the widest line adds 2.
        EXPECT_FLOAT_EQ(out.Width, c.Width > 0 ? c.Width + 4 : 2);
        EXPECT_FLOAT_EQ(out.Height, std::max(line, c.Height));
        EXPECT_NO_THROW(Draw(QStringLiteral("<IMG SRC=\"%1\" %2>").arg(c.Source, c.Size)));
    }
}

TEST_P(THTMLPictureTest, FilesThatAreNoPicturesAreNotRead)
{
    QFile big(Pictures.Folder.filePath(QStringLiteral("big.png")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    // Sparse: over the cap without writing it.
    ASSERT_TRUE(big.resize(TKestHTMLPictures::MaxFileSize + 1));
    big.close();
    const QString sources[] = {
        QStringLiteral("FILE:///dev/zero"),
        QStringLiteral("FILE://") + Pictures.Folder.path(),
        QStringLiteral("FILE://") + big.fileName(),
        QStringLiteral("FILE://") + Pictures.Folder.filePath(QStringLiteral("missing.png")),
        QStringLiteral("FILE://"),
    };
    for (const QString& source : sources) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_FLOAT_EQ(Measure(QStringLiteral("<IMG SRC=\"%1\">").arg(source)).Width, 2);
    }
}

TEST_P(THTMLPictureTest, PicturesThatDoNotFitStartTheNextLine)
{
    const QString two = QStringLiteral("<IMG SRC=\"logo\"><IMG SRC=\"logo\">");
    // Wider than the rectangle: each picture still takes a line of its own.
    const TKestHTMLDrawOutput narrow = Measure(two, 10, true);
    EXPECT_EQ(narrow.LineCount, 2);
    EXPECT_FLOAT_EQ(narrow.Height, 60);
    EXPECT_EQ(Measure(two, 100, true).LineCount, 1);
    EXPECT_EQ(Measure(two, 10, false).LineCount, 1);
    const TKestHTMLDrawOutput afterText = Measure(QStringLiteral("ab <IMG SRC=\"logo\">"), 30, true);
    EXPECT_EQ(afterText.LineCount, 2);
    EXPECT_EQ(afterText.PlainText, QStringLiteral("ab "));
}

TEST_P(THTMLPictureTest, AlignedPicturesMoveTheTextAndWrappingOnesKeepTheLine)
{
    const float line = LineHeight();
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("x<IMG SRC=\"logo\" HEIGHT=\"60\" WRAP>")).Height, line);
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("x<IMG SRC=\"logo\" HEIGHT=\"60\" ALIGN=\"TOP\">")).Height, 60);
}

TEST_P(THTMLPictureTest, FloatingPicturesKeepTheTextBesideThem)
{
    const float line = LineHeight();
    const float word = Run(QStringLiteral("word")).Width;
    struct {
        const char* Name;
        QString Markup;
        float Width;
        float Height;
        int Lines;
    } cases[] = {
        {"left", "<IMG SRC=\"logo\" FLOAT=\"LEFT\" HEIGHT=\"60\">word", 82 + word + 2, 60, 1},
        {"right", "<IMG SRC=\"logo\" FLOAT=\"RIGHT\" HEIGHT=\"60\">word", word + 82 + 2, 60, 1},
        {"text first", "word <IMG SRC=\"logo\" FLOAT=\"LEFT\" HEIGHT=\"60\">word", 82 + word + 2, line + 60, 2},
        {"lines beside it", "<IMG SRC=\"logo\" FLOAT=\"LEFT\" HEIGHT=\"60\">word<BR>word", 82 + word + 2, 60, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TKestHTMLDrawOutput out = Measure(c.Markup, 300, true);
        EXPECT_NEAR(out.Width, c.Width, 0.01f);
        EXPECT_FLOAT_EQ(out.Height, c.Height);
        EXPECT_EQ(out.LineCount, c.Lines);
    }
}

TEST_P(THTMLPictureTest, PictureInALinkHitsTheLink)
{
    const TKestHTMLDrawOutput out = Draw(QStringLiteral("<A href=\"pic\"><IMG SRC=\"logo\"></A>"), 20, 15);
    EXPECT_TRUE(out.Hit);
    EXPECT_EQ(out.Anchor, QStringLiteral("pic"));
    EXPECT_FALSE(Draw(QStringLiteral("<A href=\"pic\"><IMG SRC=\"logo\"></A>"), 60, 15).Hit);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLPictureTest, ::testing::Bool(), BackEndName);

}
