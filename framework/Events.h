#pragma once
// Event types: assignable callbacks. Stored layouts bind them to methods of
// the form by name (see TypeInfo's event binders).

#include <QChar>
#include <QFlags>
#include <QMetaType>
#include <functional>

#pragma GCC visibility push(default)

class QInputEvent;
class QKeyEvent;
class QObject;

enum class TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)
using enum TShiftStateFlag;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

// Where a drag is in its passage over a control.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using enum TDragState;

// The modifier keys and mouse buttons held during an input event.
TShiftState ShiftStateOf(const QInputEvent* event);

using TNotifyEvent = std::function<void(QObject* sender)>;
// Key is the Qt key code; a handler may change it (0 swallows the key).
using TKeyEvent = std::function<void(QObject* sender, int& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;
using TMouseEvent = std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;
// Dragging: Source is what is dragged (none for a drag from another
// program); a drag-over handler sets Accept to take the drop. X and Y are in
// the control's client coordinates.
using TDragOverEvent =
    std::function<void(QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(QObject* sender, QObject* source, int x, int y)>;
// The end of a drag or dock the control started: the second argument is the
// Target where it ended (none when it was cancelled). The same shape as a
// drop, so the same type and the same handler methods.
using TEndDragEvent = TDragDropEvent;
// The start of a drag or dock; the handler may supply the object that is
// dragged instead of the control.
using TStartDragEvent = std::function<void(QObject* sender, QObject*& dragObject)>;
using TStartDockEvent = TStartDragEvent;

// Fires OnKeyDown, then OnKeyPress for a key that types one character.
// Returns false when a handler swallowed the key (or the sender went away
// in a handler); the caller then skips its default handling.
bool FireKeyEvents(QObject* sender, QKeyEvent* event, const TKeyEvent& onKeyDown, const TKeyPressEvent& onKeyPress);

Q_DECLARE_METATYPE(TNotifyEvent)
Q_DECLARE_METATYPE(TKeyEvent)
Q_DECLARE_METATYPE(TKeyPressEvent)
Q_DECLARE_METATYPE(TMouseEvent)
Q_DECLARE_METATYPE(TMouseMoveEvent)
Q_DECLARE_METATYPE(TDragOverEvent)
Q_DECLARE_METATYPE(TDragDropEvent)
Q_DECLARE_METATYPE(TStartDragEvent)

#pragma GCC visibility pop
