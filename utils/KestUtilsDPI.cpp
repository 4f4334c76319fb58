#include "utils/KestUtils.h"

#include "framework/Application.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/Rounding.h"
#include "framework/platform/ScreenDpi.h"

#include <QCursor>
#include <QFontDatabase>
#include <QVariant>

namespace {

// The DPI a widget was last scaled to with ScaleForDPI.
constexpr char ScaledDpiProperty[] = "kestScaledDpi";

void ScaleWidget(QWidget* widget, double factor)
{
    QRect g = widget->geometry();
    widget->setGeometry(Kest::Round(g.x() * factor), Kest::Round(g.y() * factor), Kest::Round(g.width() * factor),
                        Kest::Round(g.height() * factor));
    QFont font = widget->font();
    if (font.pixelSize() > 0 && widget->testAttribute(Qt::WA_SetFont)) {
        font.setPixelSize(std::max(1, Kest::Round(font.pixelSize() * factor)));
        widget->setFont(font);
    }
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            ScaleWidget(w, factor);
}

}

double TKestUtils::GetDPIScale(TComponent* owner, int defaultDPI)
{
    TCustomForm* form = nullptr;
    if (owner) {
        if (auto* w = qobject_cast<QWidget*>(owner->Object()))
            form = TCustomForm::GetParentForm(w);
        if (!form)
            form = GetOwnerForm(owner);
    }
    if (!form && Application())
        form = Application()->MainForm();
    if (!form || !form->Scaled())
        return 1.0;
    // Forms are designed at 96 pixels per inch.
    double design = defaultDPI < 1 ? 96.0 : double(defaultDPI);
    return Platform::ScreenDpi().WidgetDpi(*form) / design;
}

bool TKestUtils::IsHighDPIScale(TComponent* owner, int defaultDPI) { return GetDPIScale(owner, defaultDPI) > 1.0; }

void TKestUtils::ScaleForDPI(QWidget* control, int dpi)
{
    if (!control || dpi < 1)
        return;
    int current = control->property(ScaledDpiProperty).isValid() ? control->property(ScaledDpiProperty).toInt() : 96;
    if (current == dpi)
        return;
    ScaleWidget(control, double(dpi) / current);
    control->setProperty(ScaledDpiProperty, dpi);
}

void TKestUtils::ScaleForCurrentDPI(TCustomForm* form)
{
    if (form)
        ScaleForDPI(form, Kest::Round(Platform::ScreenDpi().WidgetDpi(*form)));
}

void TKestUtils::SetFontSize(TFont& font, double size)
{
    // A height in pixels at 96 per inch, passed through whole points.
    font.SetHeight(-MulDivInt(Kest::Round(size / 96.0 * 72.0), 96, 72));
}

void TKestUtils::GetFonts(QStringList& fontList) { fontList = QFontDatabase::families(); }

QPoint TKestUtils::GetMousePos() { return QCursor::pos(); }
