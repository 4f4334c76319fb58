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


TEST(EventBinding, LayoutRefusesWhatWouldCorruptTheBar)
{
    const struct {
        const char* line;
        const char* message;
    } rows[] = {
        {"OnSelect = setWindowTitle",
         "method setWindowTitle(QString) does not fit event \"OnSelect\", whose handler takes (QObject*, "
         "TKestTreeNode*)"},
        {"OnSelect = BarKeyPress",
         "method BarKeyPress(QObject*,QChar*) does not fit event \"OnSelect\", whose handler takes (QObject*, "
         "TKestTreeNode*)"},
        {"OnPopulateChildNode = BarSelect",
         "method BarSelect(QObject*,TKestTreeNode*) does not fit event \"OnPopulateChildNode\", whose handler takes "
         "(QObject*, TKestTreeNode*, QString, bool*)"},
        {"Mode = 7", "7 is not a value of TKestExplorerTreeviewMode"},
        {"UIStyle = -1", "-1 is not a value of TZPXStyle"},
        {"EditStyle = 9", "9 is not a value of TEditStyle"},
    };
    for (const auto& r : rows) {
        auto form = std::make_unique<TBindingForm>(nullptr);
        QString error;
        try {
            TLayoutReader::ReadRoot(QStringLiteral("object F: TBindingForm\n"
                                                   "  object Bar: TKestExplorerTreeview\n"
                                                   "    Mode = aeCustom\n"
                                                   "    %1\n"
                                                   "  end\n"
                                                   "end\n")
                                        .arg(QLatin1String(r.line)),
                                    form.get(), "bar.layout");
        } catch (const Exception& e) {
            error = e.Message();
        }
        EXPECT_EQ(error, "Layout error in bar.layout at line 4: " + QString::fromUtf8(r.message)) << r.line;
    }
}
