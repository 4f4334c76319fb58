#include "framework/Events.h"

#include <QInputEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

TShiftState ShiftStateOf(const QInputEvent* event)
{
    TShiftState state;
    Qt::KeyboardModifiers m = event->modifiers();
    state.setFlag(ssShift, m.testFlag(Qt::ShiftModifier));
    state.setFlag(ssAlt, m.testFlag(Qt::AltModifier));
    state.setFlag(ssCtrl, m.testFlag(Qt::ControlModifier));
    if (auto* mouse = dynamic_cast<const QMouseEvent*>(event)) {
        Qt::MouseButtons b = mouse->buttons() | mouse->button();
        state.setFlag(ssLeft, b.testFlag(Qt::LeftButton));
        state.setFlag(ssRight, b.testFlag(Qt::RightButton));
        state.setFlag(ssMiddle, b.testFlag(Qt::MiddleButton));
        state.setFlag(ssDouble, mouse->type() == QEvent::MouseButtonDblClick);
    }
    return state;
}

bool FireKeyEvents(QObject* sender, QKeyEvent* event, const TKeyEvent& onKeyDown, const TKeyPressEvent& onKeyPress)
{
    QPointer<QObject> alive(sender);
    if (onKeyDown) {
        int key = event->key();
        onKeyDown(sender, key, ShiftStateOf(event));
        if (key == 0 || !alive)
            return false;
    }
    const QString text = event->text();
    if (onKeyPress && text.size() == 1) {
        QChar ch = text.at(0);
        onKeyPress(sender, ch);
        if (ch.isNull() || !alive)
            return false;
    }
    return true;
}
