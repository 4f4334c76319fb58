#include "BindingForm.h"
#include "framework/LayoutReader.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "support/QtPrinters.h"

TEST(EventBinding, LayoutBindsTheBarsEventsToFormMethods)
{
    auto form = std::make_unique<TBindingForm>(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TBindingForm\n"
                                           "  object Bar: TKestExplorerTreeview\n"
                                           "    Mode = aeCustom\n"
                                           "    EditorEnabled = true\n"
                                           "    EditStyle = esEdit\n"
                                           "    OnKeyPress = BarKeyPress\n"
                                           "    OnSelect = BarSelect\n"
                                           "  end\n"
                                           "end\n"),
                            form.get());
    auto* bar = dynamic_cast<TKestExplorerTreeview*>(form->FindComponent("Bar"));
    ASSERT_NE(bar, nullptr);
    bar->SetSel(0, -1);
    QTest::keyClicks(bar, "ab");
    EXPECT_EQ(bar->QLineEdit::text(), "AB");
    bar->SetSelectedNode(bar->Items()->Add("Node"));
    EXPECT_EQ(form->selected, "Node");
}

