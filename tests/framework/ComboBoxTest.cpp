// The combo box: which user actions it reports, and how layouts store it
// inside a frame.

#include "framework/ComboBox.h"

#include "framework/Form.h"
#include "framework/Frame.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "framework/StringList.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "support/QtPrinters.h"

namespace {

TEST(ComboBox, ReportsWhatTheUserDoesOnly)
{
    TComboBox combo(nullptr);
    TStringList items;
    items.AddObject(QStringLiteral("one"), &items);
    items.AddObject(QStringLiteral("two"), nullptr);
    combo.SetItems(items);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.ItemObject(0), &items);
    EXPECT_EQ(combo.IndexOfObject(nullptr), 1);

    QStringList events;
    combo.OnSelect = [&events, &combo](QObject*) { events << "select " + combo.Text(); };
    combo.OnChange = [&events, &combo](QObject*) { events << "change " + combo.Text(); };
    combo.SetItemIndex(0); // the program's choice: no event
    EXPECT_TRUE(events.isEmpty());

    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(events, (QStringList{"select two", "change two"}));

    events.clear();
    combo.setFocus();
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("x")); // typed: a change, not a choice
    EXPECT_EQ(events, (QStringList{"change twox"}));

    combo.SetStyle(TComboBox::csDropDownList);
    EXPECT_FALSE(combo.isEditable());
    combo.SetStyle(TComboBox::csDropDown); // editable again, and typing still reported
    events.clear();
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("y"));
    EXPECT_EQ(events.size(), 1);
}

TEST(ComboBox, StoredInsideAFrame)
{
    TForm form(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TForm\n"
                                           "  object Frame1: TFrame\n"
                                           "    Width = 200\n"
                                           "    object Combo1: TComboBox\n"
                                           "      Style = csDropDownList\n"
                                           "      TabOrder = 0\n"
                                           "    end\n"
                                           "  end\n"
                                           "end\n"),
                            &form);
    auto* frame = dynamic_cast<TFrame*>(form.FindComponent(QStringLiteral("Frame1")));
    auto* combo = dynamic_cast<TComboBox*>(form.FindComponent(QStringLiteral("Combo1")));
    ASSERT_TRUE(frame && combo);
    EXPECT_EQ(combo->parentWidget(), frame);
    EXPECT_EQ(combo->Style(), TComboBox::csDropDownList);
    const QString written = TLayoutWriter::WriteRootText(&form);
    EXPECT_TRUE(written.contains("Style = csDropDownList")) << written.toStdString();
    EXPECT_FALSE(written.contains("    Color = ")) << written.toStdString(); // the frame keeps the default
}

}
