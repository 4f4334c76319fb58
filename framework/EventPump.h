#pragma once
// Lets the window thread handle queued input and painting during long work
// on it: at the first call, then whenever a few milliseconds have passed, so
// the window stays responsive without paying for the event loop per item.

#include <QElapsedTimer>

#pragma GCC visibility push(default)

class TEventPump {
public:
    explicit TEventPump(int intervalMs = 8) : FInterval(intervalMs) {}

    // Processes pending events when due; returns true when events that may
    // have run program code were handled, after which anything they may have
    // changed must be checked again.
    bool Pump();

private:
    QElapsedTimer FTimer;
    int FInterval;
};

#pragma GCC visibility pop
