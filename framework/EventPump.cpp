#include "framework/EventPump.h"

#include <QCoreApplication>

bool TEventPump::Pump()
{
    if (FTimer.isValid() && FTimer.elapsed() < FInterval)
        return false;
    QCoreApplication::processEvents();
    FTimer.start();
    return true;
}
