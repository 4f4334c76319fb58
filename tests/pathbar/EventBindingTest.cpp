#include "BindingForm.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutText.h"
#include "framework/LayoutWriter.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
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


namespace {

// A form whose bar is anchored left and right, bounded, names a popup menu
// of the form and binds the drag and dock events.
const char* kFrameworkPropertiesLayout = R"(object F: TBindingForm
  ClientWidth = 400
  ClientHeight = 200
  object PopupMenu1: TPopupMenu
    object Item1: TMenuItem
      Caption = "Item"
    end
  end
  object Bar: TKestExplorerTreeview
    Left = 10
    Top = 20
    Width = 300
    Height = 25
    Anchors = [akLeft, akTop, akRight]
    Constraints.MaxWidth = 500
    Constraints.MinHeight = 22
    PopupMenu = PopupMenu1
    Mode = aeCustom
    OnDragDrop = BarDragDrop
    OnDragOver = BarDragOver
    OnEndDrag = BarDragDrop
    OnStartDrag = BarStartDrag
    OnEndDock = BarDragDrop
    OnStartDock = BarStartDrag
  end
end
)";

struct FrameworkProperties : ::testing::Test {
    std::unique_ptr<TBindingForm> form = std::make_unique<TBindingForm>(nullptr);
    TKestExplorerTreeview* bar = nullptr;
    TPopupMenu* menu = nullptr;

    FrameworkProperties()
    {
        TLayoutReader::ReadRoot(QString::fromUtf8(kFrameworkPropertiesLayout), form.get());
        bar = dynamic_cast<TKestExplorerTreeview*>(form->FindComponent("Bar"));
        menu = dynamic_cast<TPopupMenu*>(form->FindComponent("PopupMenu1"));
    }
};

QMap<QString, QString> BarValues(TComponent* root)
{
    QMap<QString, QString> out;
    for (const TLayoutObject& c : TLayoutWriter::WriteRoot(root).children)
        if (c.name == "Bar")
            for (const TLayoutProperty& p : c.properties)
                out.insert(p.path, LayoutText::FormatValue(p.value, 0));
    return out;
}

}

TEST_F(FrameworkProperties, LoadAndWriteBack)
{
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Anchors(), akLeft | akTop | akRight);
    EXPECT_EQ(bar->PopupMenu(), menu);
    const QMap<QString, QString> expected = {
        {"Anchors", "[akLeft, akTop, akRight]"}, {"Constraints.MaxWidth", "500"}, {"Constraints.MinHeight", "22"},
        {"PopupMenu", "PopupMenu1"},   {"OnDragDrop", "BarDragDrop"},   {"OnDragOver", "BarDragOver"},
        {"OnEndDrag", "BarDragDrop"},  {"OnStartDrag", "BarStartDrag"}, {"OnEndDock", "BarDragDrop"},
        {"OnStartDock", "BarStartDrag"},
    };
    QMap<QString, QString> written = BarValues(form.get());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(written.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_FALSE(written.contains("Constraints.MinWidth")); // defaults stay out

    auto copy = std::make_unique<TBindingForm>(nullptr);
    TLayoutReader::ReadRoot(TLayoutWriter::WriteRootText(form.get()), copy.get());
    EXPECT_EQ(BarValues(copy.get()), written);

    // A bar left at its defaults stores none of them.
    TKestExplorerTreeview plain(form.get());
    plain.SetName("Plain");
    for (const TLayoutObject& c : TLayoutWriter::WriteRoot(form.get()).children) {
        if (c.name != "Plain")
            continue;
        for (const TLayoutProperty& p : c.properties) {
            EXPECT_FALSE(expected.contains(p.path)) << p.path.toStdString();
        }
    }
}

TEST_F(FrameworkProperties, DragAndDockEventsReachTheFormsMethods)
{
    bool accept = true;
    bar->OnDragOver(bar, menu, 3, 4, dsDragMove, accept);
    EXPECT_FALSE(accept);
    bar->OnDragDrop(bar, nullptr, 5, 6);
    bar->OnEndDock(bar, menu, 7, 8);
    QObject* dragged = nullptr;
    bar->OnStartDock(bar, dragged);
    EXPECT_EQ(dragged, form.get());
    EXPECT_EQ(form->calls, (QStringList{"over PopupMenu1 3,4 2", "drop - 5,6", "drop PopupMenu1 7,8", "start Bar"}));
}

TEST_F(FrameworkProperties, AnchorsAndConstraintsActOnTheBar)
{
    form->show();
    form->resize(500, 200); // the right edge stays 90 pixels away
    EXPECT_EQ(bar->geometry(), QRect(10, 20, 400, 25));
    form->resize(800, 200); // no wider than 500
    EXPECT_EQ(bar->geometry(), QRect(10, 20, 500, 25));
    bar->SetHeight(10);
    EXPECT_EQ(bar->Height(), 22);
}

// A right click over the buttons shows the program's menu; while editing,
// the edit's own menu stays.
TEST_F(FrameworkProperties, RightClickShowsThePopupMenuOutsideTheEditor)
{
    bar->SetSelectedNode(bar->Items()->Add("Node"));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    bar->SetEditorEnabled(true); // a click on a button does not start editing
    ASSERT_FALSE(bar->EditMode());
    const QPoint onButton = bar->mapTo(form.get(), Inside(bar).NodeButtons().at(0)->geometry().center());
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, Qt::NoModifier, onButton);
    EXPECT_TRUE(menu->Menu()->isVisible());
    EXPECT_EQ(menu->PopupComponent(), bar);
    menu->Menu()->close();

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    bar->clearFocus(); // the window may have given it the focus before editing was on
    bar->setFocus();
    ASSERT_TRUE(bar->EditMode());
    QContextMenuEvent inEditor(QContextMenuEvent::Mouse, QPoint(50, 10), bar->mapToGlobal(QPoint(50, 10)));
    QApplication::sendEvent(bar, &inEditor);
    EXPECT_FALSE(menu->Menu()->isVisible());
    QWidget* editMenu = QApplication::activePopupWidget();
    ASSERT_NE(editMenu, nullptr);
    editMenu->close();
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
