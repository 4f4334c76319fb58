#pragma once
// Logical dots per inch of the screens (96 is unscaled).

#include "framework/platform/PlatformService.h"

class QWidget;

namespace Platform {

class IScreenDpi {
public:
    virtual ~IScreenDpi();
    // The screen that shows the widget.
    virtual double WidgetDpi(const QWidget& widget) const = 0;
    // The primary screen, horizontally.
    virtual double ScreenDpiX() const = 0;
};

template <>
IScreenDpi& NativeService<IScreenDpi>();

inline IScreenDpi& ScreenDpi() { return Current<IScreenDpi>(); }

}
