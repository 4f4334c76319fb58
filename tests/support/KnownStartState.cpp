#include "support/KnownStartState.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

void TKnownStartState::OnTestStart(const ::testing::TestInfo&)
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            break; // refuses to close; nothing more to do about it here
    }
    // Moving the pointer away sends the window under it a leave; widgets
    // shown later are entered only when the pointer really comes to them.
    QCursor::setPos(RestX, RestY);
    QCoreApplication::processEvents();
}
