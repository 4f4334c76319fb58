#include "framework/CustomEdit.h"

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
