#include "styles/ControlDPIScale.h"

#include "framework/Form.h"
#include "framework/platform/ScreenDpi.h"

#include <QPaintDevice>
#include <QPainter>

namespace KestStyles {

namespace {

double Scale(const QWidget* Control, const QPainter* Canvas)
{
    if (Control)
        if (const auto* form = dynamic_cast<const TCustomForm*>(Control->window()))
            return form->Scaled() ? Platform::ScreenDpi().WidgetDpi(*form) / 96.0 : 1.0;
    if (Canvas && Canvas->isActive() && Canvas->device())
        return Canvas->device()->logicalDpiY() / 96.0;
    return Platform::ScreenDpi().ScreenDpiX() / 96.0;
}

}

double GetControlDPIScale(const QWidget* Control, const QPainter* Canvas)
{
    const double scale = Scale(Control, Canvas);
    return scale == 0.0 ? 1.0 : scale;
}

}
