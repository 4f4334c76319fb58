#include "app/Form1.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutText.h"
#include "framework/LayoutWriter.h"
#include "framework/platform/linux/LinuxRegistry.h"
#include "styles/SystemStyle.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

namespace {

QByteArray RefreshGlyphResource()
{
    QFile f(":/bitmaps/REFRESH_BTN.bmp");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The values of one stored object as path -> literal.
QMap<QString, QString> Values(const TLayoutObject& obj)
{
    QMap<QString, QString> out;
    for (const auto& p : obj.properties)
        out.insert(p.path, LayoutText::FormatValue(p.value, 0));
    return out;
}

const TLayoutObject* Child(const TLayoutObject& obj, const QString& name)
{
    for (const auto& c : obj.children)
        if (c.name == name)
            return &c;
    return nullptr;
}

}

TEST(SampleForms, Form2HasEveryStoredValue)
{
    std::unique_ptr<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    EXPECT_EQ(form->Caption(), "Form2");
    EXPECT_EQ(form->ClientWidth(), 624);
    EXPECT_EQ(form->ClientHeight(), 221);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), "Segoe UI");
    EXPECT_EQ(form->Font()->Height(), -12);
    EXPECT_EQ(form->TextHeight(), 15);

    TKestExplorerTreeview* bar = form->kestTree;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 624, 25));
    EXPECT_EQ(bar->Align(), alTop);
    TButtonAppearance* b = bar->Appearance()->ButtonAppearance();
    for (TColor c : {b->BorderColorDown(), b->ColorDown(), b->ColorDownTo(), b->ColorMirrorDown(), b->ColorMirrorDownTo()})
        EXPECT_EQ(c, 0xE3BDA3);
    for (TColor c : {b->BorderColorHot(), b->BorderColorNodeHot(), b->ColorHot(), b->ColorHotTo(), b->ColorMirrorHot(),
                     b->ColorMirrorHotTo(), b->ColorNodeHot(), b->ColorNodeHotTo(), b->ColorMirrorNodeHot(),
                     b->ColorMirrorNodeHotTo()})
        EXPECT_EQ(c, 0xF2E1D5);
    EXPECT_EQ(b->Font()->Name(), "Tahoma");
    EXPECT_EQ(b->Font()->Height(), -11);
    EXPECT_EQ(b->Font()->Color(), clWindowText);
    EXPECT_EQ(bar->Appearance()->OuterBorderColor(), 0xABABAB);
    EXPECT_EQ(bar->Appearance()->InnerBorderColor(), clNone);
    EXPECT_EQ(bar->Appearance()->Color(), clWhite);
    EXPECT_EQ(bar->Appearance()->HotColor(), clWhite);
    EXPECT_FALSE(bar->RefreshButton());
    EXPECT_EQ(Inside(bar).RefreshButtonControl(), nullptr);
    EXPECT_EQ(bar->RefreshGlyph()->Encoded(), RefreshGlyphResource());
    EXPECT_EQ(bar->RefreshGlyph()->Encoded().size(), 1334);
    EXPECT_TRUE(bar->ShowHiddenFolders());
    EXPECT_EQ(bar->TabOrder(), 0);
    EXPECT_EQ(bar->Version(), "1.5.1.1");
    EXPECT_EQ(bar->Mode(), aeSystem);
    EXPECT_EQ(bar->UIStyle(), tsCustom);
    EXPECT_EQ(bar->Color(), clWhite); // loaded: the appearance colour

    ASSERT_NE(form->Button1, nullptr);
    EXPECT_EQ(form->Button1->geometry(), QRect(272, 128, 75, 25));
    EXPECT_EQ(form->Button1->Caption(), "OK");
    EXPECT_EQ(form->Button1->ModalResult(), mrOk);
    EXPECT_EQ(form->Button1->TabOrder(), 1);
}

TEST(SampleForms, Form2WritesWhatItRead)
{
    // Read as the designer reads it: the folder tree is not loaded, so the
    // written form holds exactly the stored values.
    auto form = std::make_unique<TForm2>(nullptr);
    form->SetDesigning(true);
    form->InitFromLayout();
    EXPECT_TRUE(form->kestTree->IsDesigning());
    QFile file(":/layouts/TForm2.layout");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TLayoutObject stored = LayoutText::Parse(QString::fromUtf8(file.readAll()));
    TLayoutObject written = TLayoutWriter::WriteRoot(form.get());

    EXPECT_EQ(Values(written), Values(stored));
    const TLayoutObject* bar = Child(written, "kestTree");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Values(*bar), Values(*Child(stored, "kestTree")));
    EXPECT_EQ(Values(*Child(written, "Button1")), Values(*Child(stored, "Button1")));
    EXPECT_FALSE(Values(*bar).contains("Items.Data")); // no nodes, no data

    // What was written loads into the records of a new form and comes out
    // unchanged again.
    auto copy = std::make_unique<TForm2>(nullptr);
    copy->SetDesigning(true);
    TLayoutReader::ReadRoot(TLayoutWriter::WriteRootText(form.get()), copy.get());
    EXPECT_EQ(Values(*Child(TLayoutWriter::WriteRoot(copy.get()), "kestTree")), Values(*bar));

    // A style applied at run time is still stored as 0, and a tree as "Data".
    form->kestTree->SetComponentStyle(tsOffice2019Black);
    form->kestTree->SetMode(aeCustom);
    form->kestTree->Items()->Add("A")->AddChild("B");
    auto values = Values(*Child(TLayoutWriter::WriteRoot(form.get()), "kestTree"));
    EXPECT_EQ(values.value("ZPXStyle"), "0");
    EXPECT_TRUE(values.value("Items.Data").simplified().remove(u' ').startsWith("{01000000"));
    EXPECT_EQ(values.value("UIStyle"), "tsOffice2019Black");
}

// On a desktop in dark mode the sample's platform answers detect the dark
// style; the sample itself applies no detected style, so Form2's bar keeps
// its stored colours.
TEST(SampleForms, DarkDesktopIsDetected)
{
    TFakeDesktopTheme dark;
    dark.Dark = true;
    Platform::TLinuxRegistry registry{QString()}; // without the optional INI file
    Platform::TScopedService<Platform::IDesktopTheme> t{dark};
    Platform::TScopedService<Platform::IRegistry> r{registry};
    EXPECT_EQ(DetectSystemStyle(false), tsOffice2019Black);

    std::unique_ptr<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    EXPECT_EQ(form->kestTree->UIStyle(), tsCustom);
    EXPECT_EQ(form->kestTree->Appearance()->OuterBorderColor(), 0xABABAB);
}

TEST(SampleForms, StoredTreeComesBackFromALayout)
{
    std::unique_ptr<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    form->kestTree->SetMode(aeCustom);
    form->kestTree->Items()->Clear(); // the folders loaded with the form
    auto* a = form->kestTree->Items()->Add(QStringLiteral("Ärger"));
    a->AddChild("B")->SetImageIndex(2);
    QString text = TLayoutWriter::WriteRootText(form.get());

    auto copy = std::make_unique<TForm2>(nullptr);
    TLayoutReader::ReadRoot(text, copy.get());
    TKestTreeNode* ra = copy->kestTree->Items()->GetFirstNode();
    ASSERT_NE(ra, nullptr);
    EXPECT_EQ(ra->Text(), QStringLiteral("Ärger"));
    EXPECT_EQ(ra->GetFirstChild()->ImageIndex(), 2);
    // Loaded selects the first top-level node when nothing else is.
    EXPECT_EQ(copy->kestTree->SelectedNode(), ra);
}

TEST(SampleForms, Form1ButtonShowsTheSameForm2EveryTime)
{
    std::unique_ptr<TForm1> main(TCustomForm::Create<TForm1>(nullptr));
    EXPECT_EQ(main->Caption(), "Form1");
    EXPECT_EQ(main->ClientWidth(), 624);
    EXPECT_EQ(main->ClientHeight(), 441);
    ASSERT_NE(main->Button1, nullptr);
    EXPECT_EQ(main->Button1->Caption(), "Click to create and open From2");
    EXPECT_EQ(main->Button1->geometry(), QRect(216, 152, 217, 25));
    EXPECT_EQ(main->form2, nullptr); // FormCreate ran

    std::vector<TForm2*> shown;
    auto closeWhenShown = [&](bool viaCloseBox) {
        QTimer::singleShot(50, [&, viaCloseBox] {
            TForm2* f = main->form2;
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->isModal());
            shown.push_back(f);
            // A click that arrives while the first one is still being handled
            // does nothing (it must not open the window a second time).
            main->Button1Click(main->Button1);
            EXPECT_EQ(main->form2, f);
            if (viaCloseBox)
                f->close();
            else
                f->Button1->click();
        });
    };
    closeWhenShown(false);
    main->Button1->click();
    EXPECT_EQ(main->form2->result(), mrOk);
    closeWhenShown(true);
    main->Button1->click();
    EXPECT_EQ(main->form2->result(), mrCancel);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(main->form2->Owner(), Application());
    delete main->form2; // owned by the application; freed here to keep tests apart
}

// Enter presses the focused "OK" button (either Enter key) and only that:
// typed into the path bar it presses nothing, as no button is a default one.
TEST(SampleForms, EnterPressesOnlyTheFocusedButton)
{
    const struct {
        const char* name;
        int key;
        bool onButton;
        int result;
    } rows[] = {
        {"Return on OK", Qt::Key_Return, true, mrOk},
        {"keypad Enter on OK", Qt::Key_Enter, true, mrOk},
        {"Return in the bar", Qt::Key_Return, false, mrNone},
        {"keypad Enter in the bar", Qt::Key_Enter, false, mrNone},
    };
    for (const auto& r : rows) {
        std::unique_ptr<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
        form->show();
        QWidget* target = r.onButton ? static_cast<QWidget*>(form->Button1) : form->kestTree;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(r.key));
        EXPECT_EQ(form->ModalResult(), r.result) << r.name;
    }
}
