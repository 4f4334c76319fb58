#pragma once
// What the form and the application styler share: the style they push, the
// Metro settings and application colour that go with it, whether they are
// enabled, and following the desktop's theme through a notifier window.

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "styles/ZPXStyle.h"

#include <QObject>

#pragma GCC visibility push(default)

class QWidget;
class TThemeNotifierWindow;

class TKestStyler : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(bool AutoThemeAdapt READ AutoThemeAdapt WRITE SetAutoThemeAdapt)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Metro READ Metro WRITE SetMetro)
    Q_PROPERTY(TColor MetroColor READ MetroColor WRITE SetMetroColor)
    Q_PROPERTY(TColor MetroTextColor READ MetroTextColor WRITE SetMetroTextColor)
    Q_PROPERTY(KestStyles::TMetroStyle MetroStyle READ MetroStyle WRITE SetMetroStyle)
    Q_PROPERTY(KestStyles::TZPXStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
    Q_CLASSINFO("Default:AutoThemeAdapt", "false")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:Metro", "false")
    Q_CLASSINFO("Default:MetroColor", "clHighlight")
    Q_CLASSINFO("Default:MetroTextColor", "0x000000")
    Q_CLASSINFO("Default:MetroStyle", "msLight")
    Q_CLASSINFO("Default:Style", "tsCustom")

public:
    ~TKestStyler() override;

    virtual void ApplyStyle() = 0;

    TZPXStyle Style() const { return FStyle; }
    virtual void SetStyle(TZPXStyle value) = 0;
    TColor AppColor() const { return FAppColor; }
    virtual void SetAppColor(TColor value) = 0;
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Metro() const { return FMetro; }
    virtual void SetMetro(bool value) = 0;
    TColor MetroColor() const { return FMetroColor; }
    void SetMetroColor(TColor value);
    TColor MetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(TColor value);
    TMetroStyle MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(TMetroStyle value);

    QString Version() const;
    void SetVersion(const QString&) {}
    static quint32 GetVersionNr() { return 0x02040001; }

    TNotifyEvent OnChange;
    TNotifyEvent GetOnChange() const { return OnChange; }
    void SetOnChange(const TNotifyEvent& handler) { OnChange = handler; }

    // Follows the desktop: with AutoThemeAdapt set, Style becomes the
    // detected system style.
    void ThemeChanged();

protected:
    explicit TKestStyler(TComponent* owner);

    // Outside a designer: a notifier window in parent (none is fine), owned
    // as a component of the styler, that calls ThemeChanged.
    void CreateNotifier(QWidget* parent);
    // Rebuilds the Metro tones and pushes them.
    virtual void UpdateMetro() = 0;
    virtual void Changed();
    void Notification(TComponent* component, TOperation operation) override;

    TZPXStyle FStyle = tsCustom;
    bool FAutoThemeAdapt = false;
    // Gone sooner than the styler if its window goes first.
    TThemeNotifierWindow* FNotifier = nullptr;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = 0x000000;
    TColor FMetroColor = clHighlight;
    bool FEnabled = true;
    TColor FAppColor = 0;
};

#pragma GCC visibility pop
