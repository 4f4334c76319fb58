#include "LayoutProbe.h"

#include "framework/Exception.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutText.h"
#include "framework/LayoutWriter.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include <memory>

namespace {

const char* kLayout = R"(object TestForm: TLayoutTestForm
  Caption = "Probe form"
  ClientWidth = 300
  object Images1: TImageList
    Width = 24
  end
  object Probe1: TLayoutProbe
    Count = 7
    Flag = true
    Label = "line\none \"quoted\""
    Align = alClient
    Style = [fsBold, fsUnderline]
    Tint = 0x0A0B0C
    Font.Name = "Arial"
    Font.Height = -15
    Font.Color = clHighlight
    Images = Images1
    OnPing = Ping
    Blob = {00FF10}
    Marker = 42
  end
end
)";

std::unique_ptr<TLayoutTestForm> ReadForm(const QString& text)
{
    auto form = std::make_unique<TLayoutTestForm>(nullptr);
    TLayoutReader::ReadRoot(text, form.get(), "probe.layout");
    return form;
}

QString ErrorOf(const QString& text)
{
    try {
        ReadForm(text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}

}

TEST(LayoutReader, SetsEveryKindOfValue)
{
    auto form = ReadForm(QString::fromUtf8(kLayout));
    TLayoutProbe* p = form->Probe1;
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Owner(), form.get());
    EXPECT_EQ(form->Caption(), "Probe form");
    EXPECT_EQ(p->FCount, 7);
    EXPECT_TRUE(p->FFlag);
    EXPECT_EQ(p->FLabel, "line\none \"quoted\"");
    EXPECT_EQ(p->FAlign, alClient);
    EXPECT_EQ(p->FStyle, TFontStyles(fsBold | fsUnderline));
    EXPECT_EQ(p->FTint, 0x0A0B0C);
    EXPECT_EQ(p->Font()->Name(), "Arial");
    EXPECT_EQ(p->Font()->Height(), -15);
    EXPECT_EQ(p->Font()->Color(), clHighlight);
    ASSERT_NE(p->FImages, nullptr);
    EXPECT_EQ(p->FImages->Width(), 24);
    EXPECT_EQ(p->Blob, QByteArray("\x00\xFF\x10", 3));
    EXPECT_EQ(p->Marker, 42);
    EXPECT_EQ(p->LoadedCalls, 1);
    EXPECT_FALSE(p->IsLoading());
    ASSERT_TRUE(bool(p->OnPing));
    p->OnPing(p);
    EXPECT_EQ(form->pingedBy, p);
}

TEST(LayoutReader, TakesIntegersThatAreValuesOfTheirType)
{
    auto form = ReadForm("object F: TLayoutTestForm\n  object Probe1: TLayoutProbe\n    Align = 5\n"
                         "    Font.Charset = 204\n    Font.Height = -32767\n  end\nend\n");
    ASSERT_NE(form->Probe1, nullptr);
    EXPECT_EQ(form->Probe1->FAlign, alClient);
    EXPECT_EQ(form->Probe1->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(form->Probe1->Font()->Height(), -32767);
    EXPECT_EQ(form->Probe1->Font()->ToQFont(2.0).pixelSize(), 65534);
}

TEST(LayoutWriter, WritesWhatDiffersAndReadsBackTheSame)
{
    auto form = ReadForm(QString::fromUtf8(kLayout));
    QString written = TLayoutWriter::WriteRootText(form.get());
    // Defaults and unset values stay out.
    EXPECT_FALSE(written.contains("Flag = false"));
    EXPECT_TRUE(written.contains("    Tint = 0x0A0B0C\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("    Style = [fsBold, fsUnderline]\n"));
    EXPECT_TRUE(written.contains("    Images = Images1\n"));
    EXPECT_TRUE(written.contains("    OnPing = Ping\n"));
    EXPECT_TRUE(written.contains("    Marker = 0\n")); // written by the class, always 0

    auto again = ReadForm(written);
    EXPECT_EQ(TLayoutWriter::WriteRootText(again.get()), written);
    EXPECT_EQ(again->Probe1->Marker, 0);

    auto bare = std::make_unique<TLayoutTestForm>(nullptr);
    auto* probe = new TLayoutProbe(bare.get());
    probe->SetName("P");
    QString minimal = TLayoutWriter::WriteRootText(bare.get());
    EXPECT_TRUE(minimal.startsWith("object LayoutTestForm: TLayoutTestForm\n")) << minimal.toStdString();
    EXPECT_TRUE(minimal.contains("    Marker = 0\n  end\n")) << minimal.toStdString();
    EXPECT_FALSE(minimal.contains("Count"));
    EXPECT_NO_THROW(LayoutText::Parse(minimal));
}

TEST(LayoutReader, ErrorsNameTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } rows[] = {
        {"object F: TOther\nend\n", "Layout error in probe.layout at line 1: the layout is of class TOther, not TLayoutTestForm"},
        {"object F: TLayoutTestForm\n  Nope = 1\nend\n", "Layout error in probe.layout at line 2: TLayoutTestForm has no property \"Nope\""},
        {"object F: TLayoutTestForm\n  object X: TNoSuchClass\n  end\nend\n", "Layout error in probe.layout at line 2: class TNoSuchClass not found"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Count = \"x\"\n  end\nend\n",
         "Layout error in probe.layout at line 3: invalid value for property \"Count\""},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Count = -1\n  end\nend\n",
         "Layout error in probe.layout at line 3: Count must not be negative"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Align = alSideways\n  end\nend\n",
         "Layout error in probe.layout at line 3: \"alSideways\" is not a value of TAlign"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Style = [fsBold, fsShiny]\n  end\nend\n",
         "Layout error in probe.layout at line 3: \"fsShiny\" is not a member of TFontStyles"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Tint = clNoSuch\n  end\nend\n",
         "Layout error in probe.layout at line 3: \"clNoSuch\" is not a colour"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    OnPing = Pong\n  end\nend\n",
         "Layout error in probe.layout at line 3: method Pong not found in TLayoutTestForm"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Images = Missing\n  end\nend\n",
         "Layout error in probe.layout at line 3: component Missing not found"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Label.Size = 1\n  end\nend\n",
         "Layout error in probe.layout at line 3: TLayoutProbe has no object property \"Label\""},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Blob = 5\n  end\nend\n",
         "Layout error in probe.layout at line 3: property \"Blob\" expects binary data"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n  end\n  object P: TLayoutProbe\n  end\nend\n",
         "Layout error in probe.layout at line 4: a component named P already exists"},
        // Hostile values: each would reach the program as memory corruption
        // or undefined behaviour if it were accepted.
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    OnPing = setWindowTitle\n  end\nend\n",
         "Layout error in probe.layout at line 3: method setWindowTitle(QString) does not fit event \"OnPing\", "
         "whose handler takes (QObject*)"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    OnPing = close\n  end\nend\n",
         "Layout error in probe.layout at line 3: method close() does not fit event \"OnPing\", whose handler takes "
         "(QObject*)"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Align = 999\n  end\nend\n",
         "Layout error in probe.layout at line 3: 999 is not a value of TAlign"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Align = -1\n  end\nend\n",
         "Layout error in probe.layout at line 3: -1 is not a value of TAlign"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Align = 4294967297\n  end\nend\n",
         "Layout error in probe.layout at line 3: 4294967297 is not a value of TAlign"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Font.Charset = 99999\n  end\nend\n",
         "Layout error in probe.layout at line 3: 99999 is not a value of TFontCharset"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Font.Height = -2147483648\n  end\nend\n",
         "Layout error in probe.layout at line 3: font height -2147483648 is out of range (-32767 to 32767)"},
        {"object F: TLayoutTestForm\n  object P: TLayoutProbe\n    Font.Height = 32768\n  end\nend\n",
         "Layout error in probe.layout at line 3: font height 32768 is out of range (-32767 to 32767)"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ErrorOf(QString::fromUtf8(r.text)), QString::fromUtf8(r.message)) << r.text;
}
