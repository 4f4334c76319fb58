#pragma once
// Event types: assignable callbacks. Stored layouts bind them to methods of
// the form by name (see TypeInfo's event binders).

#include <QChar>
#include <QFlags>
#include <QMetaType>
#include <functional>

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

using TNotifyEvent = std::function<void(QObject* Sender)>;
// Key is the Qt key code; a handler may change it (0 swallows the key).
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
// Dragging: Source is what is dragged (none for a drag from another
// program); a drag-over handler sets Accept to take the drop. X and Y are in
// the control's client coordinates.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;
// The end of a drag or dock the control started: the second argument is the
// Target where it ended (none when it was cancelled). The same shape as a
// drop, so the same type and the same handler methods.
using TEndDragEvent = TDragDropEvent;
// The start of a drag or dock; the handler may supply the object that is
// dragged instead of the control.
using TStartDragEvent = std::function<void(QObject* Sender, QObject*& DragObject)>;
using TStartDockEvent = TStartDragEvent;

// Fires OnKeyDown, then OnKeyPress for a key that types one character.
// Returns false when a handler swallowed the key (or the sender went away
// in a handler); the caller then skips its default handling.
bool FireKeyEvents(QObject* Sender, QKeyEvent* event, const TKeyEvent& OnKeyDown, const TKeyPressEvent& OnKeyPress);

Q_DECLARE_METATYPE(TNotifyEvent)
Q_DECLARE_METATYPE(TKeyEvent)
Q_DECLARE_METATYPE(TKeyPressEvent)
Q_DECLARE_METATYPE(TMouseEvent)
Q_DECLARE_METATYPE(TMouseMoveEvent)
Q_DECLARE_METATYPE(TDragOverEvent)
Q_DECLARE_METATYPE(TDragDropEvent)
Q_DECLARE_METATYPE(TStartDragEvent)
