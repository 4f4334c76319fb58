#include "framework/EventPump.h"

#include "framework/Application.h"

bool TEventPump::Pump()
{
    if (FTimer.isValid() && FTimer.elapsed() < FInterval)
        return false;
    const bool counted = Application() != nullptr;
    const quint64 before = TApplication::WorkEventCount();
    QCoreApplication::processEvents();
    FTimer.start();
    // Without the application's count, assume anything may have happened.
    return !counted || TApplication::WorkEventCount() != before;
}
