#include "framework/CustomEdit.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(CustomEditEvents, KeyHandlersCanSwallowAndReplace)
{
    TCustomEdit edit(nullptr);
    std::vector<int> downs;
    edit.OnKeyDown = [&](QObject*, int& key, TShiftState shift) {
        downs.push_back(key);
        if (key == Qt::Key_X && shift.testFlag(ssShift))
            key = 0; // swallowed
    };
    edit.OnKeyPress = [](QObject*, QChar& c) {
        if (c == u'q')
            c = QChar();
        else if (c == u'a')
            c = u'4';
    };
    QTest::keyClicks(&edit, "abq");
    QTest::keyClick(&edit, Qt::Key_X, Qt::ShiftModifier);
    EXPECT_EQ(edit.Text(), "4b");
    EXPECT_EQ(downs, (std::vector<int>{Qt::Key_A, Qt::Key_B, Qt::Key_Q, Qt::Key_Shift, Qt::Key_X}));
}

TEST(CustomEditEvents, MouseHandlersGetButtonShiftAndPosition)
{
    TCustomEdit edit(nullptr);
    edit.resize(100, 20);
    QString log;
    edit.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        log += QStringLiteral("down %1 %2 %3,%4;").arg(int(b)).arg(s.testFlag(ssCtrl)).arg(x).arg(y);
    };
    edit.OnMouseUp = [&](QObject*, TMouseButton b, TShiftState, int x, int y) {
        log += QStringLiteral("up %1 %2,%3;").arg(int(b)).arg(x).arg(y);
    };
    edit.OnClick = [&](QObject*) { log += "click;"; };
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::ControlModifier, QPoint(7, 5));
    QTest::mouseClick(&edit, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    EXPECT_EQ(log, "down 0 1 7,5;up 0 7,5;click;down 1 0 3,4;up 1 3,4;");
}

namespace {

// Outside a real drag the application's dispatcher holds drag events back,
// so they go straight to the widget's own event handling.
void Deliver(QWidget* widget, QEvent* event) { static_cast<QObject*>(widget)->event(event); }

}

// A drag-over handler decides whether the edit takes a drop; without one the
// edit takes dropped text itself.
TEST(CustomEditEvents, DragHandlersDecideOverDrops)
{
    QMimeData text;
    text.setText("dropped");
    const QPoint at(12, 6);
    for (bool accept : {true, false}) {
        TCustomEdit edit(nullptr);
        edit.resize(100, 20);
        QStringList log;
        edit.OnDragOver = [&](QObject* sender, QObject* source, int x, int y, TDragState state, bool& ok) {
            EXPECT_EQ(sender, &edit);
            log << QStringLiteral("over %1 %2 %3,%4").arg(int(state)).arg(source == nullptr).arg(x).arg(y);
            ok = accept;
        };
        edit.OnDragDrop = [&](QObject*, QObject*, int x, int y) { log << QStringLiteral("drop %1,%2").arg(x).arg(y); };
        QDragEnterEvent enter(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        Deliver(&edit, &enter);
        EXPECT_EQ(enter.isAccepted(), accept);
        QDragMoveEvent move(at + QPoint(1, 0), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        Deliver(&edit, &move);
        QDragLeaveEvent leave;
        Deliver(&edit, &leave);
        EXPECT_EQ(log, (QStringList{"over 0 1 12,6", "over 2 1 13,6", "over 1 1 13,6"})) << accept;
        if (!accept)
            continue; // a refused drag is not dropped
        log.clear();
        QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        Deliver(&edit, &drop);
        EXPECT_EQ(log, QStringList{"drop 12,6"});
        EXPECT_EQ(edit.Text(), "") << "the handlers took the drop";
    }

    TCustomEdit plain(nullptr);
    plain.resize(100, 20);
    QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    Deliver(&plain, &drop);
    EXPECT_EQ(plain.Text(), "dropped");
}
