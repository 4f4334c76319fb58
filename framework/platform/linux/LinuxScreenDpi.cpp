// Screen resolution on Linux, from the screens as Qt reports them; 0 when
// there is no screen (callers treat 0 as unscaled).

#include "framework/platform/ScreenDpi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Platform {

namespace {

class TLinuxScreenDpi : public IScreenDpi {
public:
    double WidgetDpi(const QWidget& widget) const override
    {
        const QScreen* screen = widget.screen();
        return screen ? screen->logicalDotsPerInch() : 0.0;
    }
    double ScreenDpiX() const override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->logicalDotsPerInchX() : 0.0;
    }
    double DevicePixelRatio(const QWidget& widget) const override { return widget.devicePixelRatioF(); }
};

}

template <>
IScreenDpi& NativeService<IScreenDpi>()
{
    static TLinuxScreenDpi dpi;
    return dpi;
}

}
