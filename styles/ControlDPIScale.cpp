#include "styles/ControlDPIScale.h"

#include "framework/Form.h"
#include "framework/platform/ScreenDpi.h"

#include <QPaintDevice>
#include <QPainter>

namespace KestStyles {

namespace {

double Scale(const QWidget* control, const QPainter* canvas)
{
    if (control)
        if (const auto* form = dynamic_cast<const TCustomForm*>(control->window()))
            return form->Scaled() ? Platform::ScreenDpi().WidgetDpi(*form) / 96.0 : 1.0;
    if (canvas && canvas->isActive() && canvas->device())
        return canvas->device()->logicalDpiY() / 96.0;
    return Platform::ScreenDpi().ScreenDpiX() / 96.0;
}

}

double GetControlDPIScale(const QWidget* control, const QPainter* canvas)
{
    const double scale = Scale(control, canvas);
    return scale == 0.0 ? 1.0 : scale;
}

}
