#pragma once
// A hidden window that reports a change of the desktop's theme or colour
// scheme. On this platform the change arrives as Qt's theme-change event
// (to the windows) and application palette-change event (to the
// application); the window watches both through an application event
// filter, so it hears them whatever window it sits in, or with none.

#include "framework/Control.h"
#include "framework/Events.h"

#include <QWidget>

#pragma GCC visibility push(default)

class TThemeNotifierWindow : public QWidget, public TControl {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TNotifyEvent OnThemeChange READ GetOnThemeChange WRITE SetOnThemeChange)

public:
    explicit TThemeNotifierWindow(TComponent* owner);
    ~TThemeNotifierWindow() override;

    TNotifyEvent OnThemeChange;
    TNotifyEvent GetOnThemeChange() const { return OnThemeChange; }
    void SetOnThemeChange(const TNotifyEvent& handler) { OnThemeChange = handler; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ThemeChanged();

    // One change reaches every window and widget; it is reported once, after
    // Qt has handled it, so that the new palette is in place when the
    // handler asks the desktop which theme it has.
    bool FPending = false;
};

#pragma GCC visibility pop
