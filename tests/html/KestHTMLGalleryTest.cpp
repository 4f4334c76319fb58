// The gallery: markup samples of every tag family drawn through each
// back-end and compared with reviewed pictures in tests/data/html/gallery
// (one per sample and back-end). Tolerance: a pixel matches when no
// channel differs by more than 40; a sample matches when at most 0.5% of
// its pixels do not, so anti-aliasing and hinting may move a little, but a
// word, picture or colour that moves or changes does not pass.
// KEST_GOLDEN_OUTPUT=<folder> writes what was drawn there.

#include "KestHTMLTestCanvas.h"
#include "KestHTMLTestPictures.h"
#include "graphics/GraphicsDefaultColors.h"
#include "support/ReviewedPicture.h"

#include <functional>

namespace {

constexpr int PageWidth = 320, PageHeight = 150;
constexpr int ChannelTolerance = 40;
constexpr double PixelShareTolerance = 0.005;

using TTweak = std::function<void(TKestHTMLDrawInput&, const TKestHTMLTestPictures&)>;

struct TGallerySample {
    const char* Name;
    QString Markup;
    // The layout rectangle's right edge (its left and top are 6).
    float Right = PageWidth - 6;
    TTweak Tweak = nullptr;
};

const QString Paragraph = QStringLiteral(
    "The <B>quick</B> brown fox <I>jumps</I> over the <A href=\"dog\">lazy dog</A> and runs "
    "<FONT COLOR=\"#C03000\">far away</FONT> into the woods, where nobody sees it again.");

std::vector<TGallerySample> Samples()
{
    const auto wrap = [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures&) { in.WordWrap = true; };
    return {
        {"styles", "Plain <B>bold</B> <I>italic</I> <U>underline</U> <S>strike</S> <B><I><U>all three</U></I></B>"
                   "<BR>A <FONT FACE=\"DejaVu Serif\">serif face</FONT> and a <FONT FACE=\"DejaVu Sans Mono\">"
                   "mono face</FONT><BR><Z>hidden </Z>after hidden text"},
        {"sizes", "<FONT SIZE=\"1\">one</FONT> <FONT SIZE=\"2\">two</FONT> <FONT SIZE=\"3\">three</FONT> "
                  "<FONT SIZE=\"4\">four</FONT> <FONT SIZE=\"5\">five</FONT><BR>"
                  "<FONT STYLE=\"font-size:20pt\">20 points</FONT> <FONT SIZE=\"7\">size 7</FONT>"},
        {"colours", "<FONT COLOR=\"clRed\">red</FONT> <FONT COLOR=\"#008000\">green</FONT> "
                    "<FONT COLOR=\"#00F\">blue</FONT> <FONT COLOR=\"#GG\">bad keeps black</FONT><BR>"
                    "<FONT BGCOLOR=\"clYellow\">on yellow</FONT> and <HI>highlighted</HI> text<BR>"
                    "<FONT COLOR=\"clPurple\">purple <B>bold</B></FONT> back to black"},
        {"links", "Go <A href=\"one\">first link</A> or <A href=\"two\">second link</A> or "
                  "<A href=\"three\">third</A>.<BR>The second is hovered.",
         PageWidth - 6, [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures&) {
             in.LinkStyle = true;
             in.HoverLink = 2;
             in.HoverColor = TColor(0xF0E0C0);
             in.HoverFontColor = TColor(0x000080);
         }},
        {"links_hover_only", "Underlined when hovered only: <A href=\"a\">not hovered</A> and "
                             "<A href=\"b\">hovered</A>",
         PageWidth - 6, [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures&) {
             in.WordWrap = true;
             in.LinkStyle = true;
             in.HoverLink = 2;
         }},
        {"lists", "Fruit:<UL><LI>apples</LI><LI>pears<UL><LI>green</LI><LI>yellow<UL><LI>ripe</LI></UL></LI>"
                  "</UL></LI><LI>plums</LI></UL>end"},
        {"list_types", "<UL><LI TYPE=\"SQUARE\" COLOR=\"clRed\">square red</LI><LI TYPE=\"CIRCLE\" "
                       "COLOR=\"#0080FF\">circle blue</LI><LI COLOR=\"clGreen\">bullet green</LI>"
                       "<UL><LI>second level</LI></UL></UL>"},
        {"breaks_rules", "Above the rule<HR>Below it, then a red one<HR COLOR=\"clRed\">Line one<BR>Line two"},
        {"paragraphs", "<P ALIGN=\"LEFT\">left</P><P ALIGN=\"CENTER\">centred text</P><P ALIGN=\"RIGHT\">"
                       "right</P><P INDENT=\"40\">indented by 40</P>back at the left"},
        {"paragraph_background", "<P BGCOLOR=\"#E0F0FF\">" + Paragraph + "</P>after the paragraph",
         PageWidth - 6, wrap},
        {"body_background", "<BODY BGCOLOR=\"#FFF4D0\">The page is coloured and the text " + Paragraph,
         PageWidth - 6, wrap},
        {"body_pictures", "<BODY BACKGROUND=\"tile\" BGTOPRIGHT=\"corner\">Tiled page with a corner picture"
                          "<BR><B>bold</B> over the tiles<BR><P BACKGROUND=\"corner\">paragraph picture</P>",
         PageWidth - 6, wrap},
        {"pictures_inline", "Own size <IMG SRC=\"logo\"> width 20 <IMG SRC=\"logo\" WIDTH=\"20\"> height 40 "
                            "<IMG SRC=\"logo\" HEIGHT=\"40\"><BR>text in the middle <IMG SRC=\"logo\" ALIGN=\"MIDDLE\">"
                            "<BR>text at the top <IMG SRC=\"logo\" ALIGN=\"TOP\"><BR>stretched "
                            "<IMG SRC=\"logo\" WIDTH=\"50\" HEIGHT=\"12\"> missing <IMG SRC=\"nothing\">end",
         PageWidth - 6, wrap},
        {"pictures_sources", "list <IMG SRC=\"IDX:0\"> <IMG SRC=\"IDX:1\" ALIGN=\"MIDDLE\"> file "
                             "<IMG SRC=\"@FILE\"> data <IMG SRC=\"@DATA\"> in a <A href=\"p\">link "
                             "<IMG SRC=\"logo\" WIDTH=\"16\"></A>",
         PageWidth - 6, [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures& p) {
             in.Text.replace(QStringLiteral("@FILE"), p.FileSource());
             in.Text.replace(QStringLiteral("@DATA"), TKestHTMLTestPictures::DataSource(
                                                          TKestHTMLTestPictures::Checker(6, Qt::magenta, Qt::cyan)));
         }},
        {"float_left", "<IMG SRC=\"logo\" FLOAT=\"LEFT\" HEIGHT=\"60\">" + Paragraph, PageWidth - 6, wrap},
        {"float_right", "<IMG SRC=\"logo\" FLOAT=\"RIGHT\" WIDTH=\"60\">" + Paragraph, PageWidth - 6, wrap},
        {"controls", "<C TYPE=\"CHECK\" VALUE=\"TRUE\" ID=\"c1\"> checked <C TYPE=\"CHECK\" VALUE=\"FALSE\"> not "
                     "<C TYPE=\"RADIO\" VALUE=\"TRUE\"> on <C TYPE=\"RADIO\"> off<BR>"
                     "<C TYPE=\"BUTTON\" VALUE=\"Press me\" ID=\"b1\"> <C TYPE=\"EDIT\" VALUE=\"typed text\" "
                     "WIDTH=\"90\"><BR><C TYPE=\"PASSWORD\" VALUE=\"secret\" WIDTH=\"70\"> "
                     "<C TYPE=\"COMBO\" VALUE=\"chosen\" WIDTH=\"100\">"},
        {"controls_states", "pressed <C TYPE=\"BUTTON\" VALUE=\"Down\" ID=\"b\"> focused "
                            "<C TYPE=\"EDIT\" VALUE=\"here\" ID=\"e\" WIDTH=\"60\"> scaled "
                            "<C TYPE=\"CHECK\" VALUE=\"TRUE\">",
         PageWidth - 6, [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures&) {
             in.PointX = 80;
             in.PointY = 14;
             in.ControlFocusFlag = true;
             in.FocusedControlID = QStringLiteral("e");
             in.ScaleFactor = 1.5;
             in.WordWrap = true;
         }},
        {"effects", "<SH>shadowed text</SH> then x<SUP>2</SUP> + y<SUB>i</SUB> and H<SUB>2</SUB>O<BR>"
                    "a <E>mispeled</E> word and <E>anuther</E><BR><BL>blinking</BL> is gone in this phase",
         PageWidth - 6, [](TKestHTMLDrawInput& in, const TKestHTMLTestPictures&) {
             in.BlinkPhase = false;
             in.ShadowOffset = 2;
         }},
        {"offsets", "a<IN x=\"100\">at 100<BR>b<OF x=\"40\">offset 40<BR>still offset</O>"},
        {"entities", "&lt;B&gt; is not bold, &amp; is an ampersand, a&nbsp;&nbsp;b has two spaces, "
                     "&quot;quoted&quot;, &copy; and &eacute;",
         PageWidth - 6, wrap},
        {"wrap_300", Paragraph, 300, wrap},
        {"wrap_200", Paragraph, 200, wrap},
        {"wrap_120", Paragraph, 120, wrap},
        {"no_wrap", Paragraph, 120},
    };
}

class THTMLGalleryTest : public THTMLCanvasTest {
protected:
    void SetUp() override
    {
        THTMLCanvasTest::SetUp();
        TKestGraphics::SetDefaultGraphicColors();
    }
    void TearDown() override { KestGraphicsDefaultColors() = {}; }

    QImage Render(const TGallerySample& sample)
    {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(PageWidth, PageHeight, GetParam());
        canvas->BeginScene();
        canvas->SetStrokeKind(gskNone);
        canvas->SetFillColor(clWhite);
        canvas->DrawRectangle(TRectF(0, 0, PageWidth, PageHeight));
        canvas->SetFontName(QStringLiteral("DejaVu Sans"));
        canvas->SetFontSize(9);
        canvas->SetFontColor(clBlack);
        TKestHTMLDrawInput input;
        input.Text = sample.Markup;
        input.Rect = TRectF(6, 6, sample.Right, PageHeight - 6);
        input.PictureContainer = &Pictures.Container;
        input.ImageList = &Pictures.Images;
        if (sample.Tweak)
            sample.Tweak(input, Pictures);
        TKestHTMLDrawOutput output;
        TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, output);
        // The layout rectangle's right edge, to see wrapping against it.
        canvas->SetStrokeKind(gskDot);
        canvas->SetStrokeColor(clSilver);
        canvas->DrawLine(TPointF(sample.Right, 0), TPointF(sample.Right, PageHeight));
        canvas->EndScene();
        return canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
    }

    TKestHTMLTestPictures Pictures;
};

TEST_P(THTMLGalleryTest, SamplesMatchTheReviewedPictures)
{
    const QString backEnd = GetParam() ? QStringLiteral("native") : QStringLiteral("general");
    for (const TGallerySample& sample : Samples()) {
        const QString file = QString::fromLatin1(sample.Name) + QLatin1Char('_') + backEnd + QStringLiteral(".png");
        ExpectMatchesReviewed(Render(sample), QStringLiteral(KEST_TEST_DATA_DIR "/html/gallery/") + file,
                              {ChannelTolerance, PixelShareTolerance});
    }
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLGalleryTest, ::testing::Bool(), BackEndName);

}
