#include "framework/Events.h"

#include <QInputEvent>
#include <QMouseEvent>

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
