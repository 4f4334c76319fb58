#include "styles/ThemeNotifierWindow.h"

#include <QCoreApplication>
#include <QEvent>

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* owner) : QWidget(nullptr), TControl(this, owner)
{
    SetVisible(false);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

TThemeNotifierWindow::~TThemeNotifierWindow() { Destroying(); }

bool TThemeNotifierWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool themeChange = event->type() == QEvent::ThemeChange ||
                             (event->type() == QEvent::ApplicationPaletteChange &&
                              watched == QCoreApplication::instance());
    if (themeChange && !FPending) {
        FPending = true;
        QMetaObject::invokeMethod(this, [this] { ThemeChanged(); }, Qt::QueuedConnection);
    }
    return false; // the default processing always follows
}

void TThemeNotifierWindow::ThemeChanged()
{
    FPending = false;
    // The system colours follow the palette the change brought.
    RefreshSystemColors();
    if (OnThemeChange)
        OnThemeChange(this);
}
