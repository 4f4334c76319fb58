#include "framework/CustomEdit.h"

#include <QTest>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(CustomEdit, SelectionTextRectAndReadOnly)
{
    TCustomEdit edit(nullptr);
    edit.resize(200, 24);
    edit.SetText("hello world");
    edit.SetSel(6, 11);
    EXPECT_EQ(edit.SelStart(), 6);
    EXPECT_EQ(edit.SelLength(), 5);
    edit.SetSel(3, 3);
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelLength(), 0);
    edit.SetSel(0, -1);
    EXPECT_EQ(edit.SelLength(), 11);

    EXPECT_EQ(edit.GetRect(), edit.rect());
    edit.SetRect(QRect(25, 4, 150, 16));
    EXPECT_EQ(edit.GetRect(), QRect(25, 4, 150, 16));

    edit.SetReadOnly(true);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.Text(), "hello world");
}

TEST(CustomEdit, HiddenCaretDrawsNoCaret)
{
    TCustomEdit edit(nullptr);
    edit.resize(120, 24);
    edit.SetColor(clWhite);
    edit.show();
    edit.setFocus();
    edit.SetText("");
    auto darkPixels = [&] {
        QImage shot = edit.grab().toImage();
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    edit.HideCaret();
    EXPECT_EQ(darkPixels(), 0);
    EXPECT_FALSE(edit.CaretVisible());
    edit.ShowCaret();
    EXPECT_TRUE(edit.CaretVisible());
}
