#pragma once
// The application styler: keeps a list of form stylers (not owned) and
// pushes its style, Metro settings, application colour and tones to all of
// them, so that one change restyles every form. It can follow the desktop's
// theme.

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "styles/ColorTones.h"
#include "styles/ZPXStyle.h"

#include <QObject>
#include <vector>

class TKestFormStyler;
class TThemeNotifierWindow;

class TKestAppStyler : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(TColor AppColor READ AppColor WRITE SetAppColor)
    Q_PROPERTY(bool AutoThemeAdapt READ AutoThemeAdapt WRITE SetAutoThemeAdapt)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Metro READ Metro WRITE SetMetro)
    Q_PROPERTY(TColor MetroColor READ MetroColor WRITE SetMetroColor)
    Q_PROPERTY(TColor MetroTextColor READ MetroTextColor WRITE SetMetroTextColor)
    Q_PROPERTY(KestStyles::TMetroStyle MetroStyle READ MetroStyle WRITE SetMetroStyle)
    Q_PROPERTY(KestStyles::TZPXStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
    Q_CLASSINFO("Default:AppColor", "clNone")
    Q_CLASSINFO("Default:AutoThemeAdapt", "false")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:Metro", "false")
    Q_CLASSINFO("Default:MetroColor", "clHighlight")
    Q_CLASSINFO("Default:MetroTextColor", "0x000000")
    Q_CLASSINFO("Default:MetroStyle", "msLight")
    Q_CLASSINFO("Default:Style", "tsCustom")

public:
    explicit TKestAppStyler(TComponent* owner);
    ~TKestAppStyler() override;

    // A form styler is listed once; the application styler hears of its
    // destruction, so the list never holds a destroyed one.
    void RegisterFormStyler(TKestFormStyler* item);
    void UnRegisterFormStyler(TKestFormStyler* formStyler);
    const std::vector<TKestFormStyler*>& FormStylers() const { return FForms; }

    void ApplyStyle();
    void SetColorTones(const TColorTones& tones);
    // The tones last given to SetColorTones (all zero until then).
    const TColorTones& Tones() const { return FTones; }

    TZPXStyle Style() const { return FStyle; }
    void SetStyle(TZPXStyle value);
    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Metro() const { return FMetro; }
    void SetMetro(bool value);
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

    void Loaded() override;
    void Assign(TPersistent* source) override;
    void ThemeChanged();

protected:
    virtual void UpdateMetro();
    virtual void Changed();
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool Pushes() const { return !IsLoading() && !IsDesigning(); }
    // The registered stylers as they are now, each handed to action only
    // while it is still registered (an action may unregister or free others).
    template <typename Action>
    void ForEachFormStyler(Action action);

    TColorTones FTones{};
    std::vector<TKestFormStyler*> FForms;
    TZPXStyle FStyle = tsCustom;
    bool FAutoThemeAdapt = false;
    // Owned as a component of the styler; gone sooner if its window goes.
    TThemeNotifierWindow* FNotifier = nullptr;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = 0x000000;
    TColor FMetroColor = clHighlight;
    bool FEnabled = true;
    TColor FAppColor = clNone;
};
