#pragma once
// Logical dots per inch of the screens (96 is unscaled) and their device
// pixel ratios (pixels per logical pixel).

#include "framework/platform/PlatformService.h"

#pragma GCC visibility push(default)

class QWidget;

namespace Platform {

class IScreenDpi {
public:
    virtual ~IScreenDpi();
    // The screen that shows the widget.
    virtual double WidgetDpi(const QWidget& widget) const = 0;
    // The primary screen, horizontally.
    virtual double ScreenDpiX() const = 0;
    // Pixels per logical pixel of the window that shows the widget.
    virtual double DevicePixelRatio(const QWidget& widget) const = 0;
};

template <>
IScreenDpi& NativeService<IScreenDpi>();

inline IScreenDpi& ScreenDpi() { return Current<IScreenDpi>(); }

}

#pragma GCC visibility pop
