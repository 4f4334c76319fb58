#pragma once
// A shown bar with a small tree, for the history and auto-complete windows.

#include "BarLayoutFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/ImageList.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class DropDownFixture : public BarLayoutFixture {
protected:
    void SetUp() override
    {
        BarLayoutFixture::SetUp();
        Show(400);
        bar->move(50, 60);
        QApplication::setActiveWindow(bar.get());
    }

    void TearDown() override
    {
        bar.reset();
        // Windows closed by the tests free themselves here.
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // An image list of 16-pixel pictures for the node images.
    void UseImages()
    {
        images = std::make_unique<TImageList>(nullptr);
        QImage square(16, 16, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::darkYellow);
        images->Add(square);
        bar->SetImages(images.get());
    }

    // Top-level nodes "n0".."n<count-1>", all in the history list.
    std::vector<TKestTreeNode*> History(int count)
    {
        std::vector<TKestTreeNode*> added;
        for (int i = 0; i < count; ++i) {
            added.push_back(nodes()->Add(QStringLiteral("n%1").arg(i)));
            added.back()->SetImageIndex(0);
            bar->AddToDropDownList(added.back());
        }
        return added;
    }

    void PressHistoryButton()
    {
        QTest::mousePress(Inside(bar).DropDownButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    }

    // A click that lands on the history button's spot while a window may be
    // open: an open pop-up gets it first, as on a real screen.
    void ClickHistoryButton()
    {
        TDropDownButton* button = Inside(bar).DropDownButtonControl();
        ClickInWindow(button->mapTo(bar.get(), QPoint(3, 3)));
    }

    // A click at a point of the bar delivered through its window, so that an
    // open pop-up sees it first, as on a real screen.
    void ClickInWindow(QPoint inBar)
    {
        QWindow* window = bar->window()->windowHandle();
        const QPoint at = bar->mapTo(bar->window(), inBar);
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    static QStringList Texts(const TExplorerTreeviewListBox* list)
    {
        QStringList texts;
        for (int i = 0; list && i < list->Items()->Count(); ++i)
            texts << list->Items()->Strings(i);
        return texts;
    }

    std::unique_ptr<TImageList> images;
};
