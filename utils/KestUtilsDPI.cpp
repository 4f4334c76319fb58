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

double TKestUtils::GetDPIScale(TComponent* AOwner, int ADefaultDPI)
{
    TCustomForm* form = nullptr;
    if (AOwner) {
        if (auto* w = qobject_cast<QWidget*>(AOwner->Object()))
            form = TCustomForm::GetParentForm(w);
        if (!form)
            form = GetOwnerForm(AOwner);
    }
    if (!form && Application())
        form = Application()->MainForm();
    if (!form || !form->Scaled())
        return 1.0;
    // Forms are designed at 96 pixels per inch.
    double design = ADefaultDPI < 1 ? 96.0 : double(ADefaultDPI);
    return Platform::ScreenDpi().WidgetDpi(*form) / design;
}

bool TKestUtils::IsHighDPIScale(TComponent* AOwner, int ADefaultDPI) { return GetDPIScale(AOwner, ADefaultDPI) > 1.0; }

void TKestUtils::ScaleForDPI(QWidget* AControl, int ADPI)
{
    if (!AControl || ADPI < 1)
        return;
    int current = AControl->property(ScaledDpiProperty).isValid() ? AControl->property(ScaledDpiProperty).toInt() : 96;
    if (current == ADPI)
        return;
    ScaleWidget(AControl, double(ADPI) / current);
    AControl->setProperty(ScaledDpiProperty, ADPI);
}

void TKestUtils::ScaleForCurrentDPI(TCustomForm* AForm)
{
    if (AForm)
        ScaleForDPI(AForm, Kest::Round(Platform::ScreenDpi().WidgetDpi(*AForm)));
}

void TKestUtils::SetFontSize(TFont& AFont, double ASize)
{
    // A height in pixels at 96 per inch, passed through whole points.
    AFont.SetHeight(-MulDivInt(Kest::Round(ASize / 96.0 * 72.0), 96, 72));
}

void TKestUtils::GetFonts(QStringList& FontList) { FontList = QFontDatabase::families(); }

QPoint TKestUtils::GetMousePos() { return QCursor::pos(); }
