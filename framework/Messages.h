#pragma once
// Registered window messages: a name maps to one event type number for the
// whole program; posting one queues it for the target's event handler.

#include <QEvent>
#include <QString>

#pragma GCC visibility push(default)

class QObject;

// Returns the same number (a QEvent type, which fits in 16 bits) for the same
// name, a new one for a new name.
int RegisterWindowMessage(const QString& name);

class TMessageEvent : public QEvent {
public:
    TMessageEvent(int msg, qintptr wParam, qintptr lParam)
        : QEvent(QEvent::Type(msg)), WParam(wParam), LParam(lParam)
    {
    }
    int Msg() const { return int(type()); }
    qintptr WParam;
    qintptr LParam;
};

// Queues the message for target; it is handled after the current event.
void PostMessage(QObject* target, int msg, qintptr wParam = 0, qintptr lParam = 0);

#pragma GCC visibility pop
