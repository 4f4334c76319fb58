#pragma once
// The longest time between two ticks of a 1 ms timer while it lives: the
// longest stretch in which the window thread handled no events.

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class Heartbeat {
public:
    Heartbeat()
    {
        FTimer.setInterval(1);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            FLongest = std::max(FLongest, double(FClock.nsecsElapsed()) / 1e6);
            FClock.start();
        });
        FTimer.start();
        // A stall before the first tick counts too.
        FClock.start();
    }
    double LongestMs() const { return FLongest; }

private:
    QTimer FTimer;
    QElapsedTimer FClock;
    double FLongest = 0;
};
