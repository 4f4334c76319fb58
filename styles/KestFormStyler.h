#pragma once
// The form styler: a non-visual component on a form or frame that pushes one
// named style, or a set of colour tones, to every component of its form
// that accepts it, descending into frames. It can follow an application
// styler, follow the desktop's theme, and fill a combo box with the style
// catalogue so that the user restyles the form by picking a name.

#include "framework/Color.h"
#include "framework/ComboBox.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "styles/ColorTones.h"
#include "styles/KestAppStyler.h"
#include "styles/StyleEvents.h"
#include "styles/ZPXStyle.h"

#include <QObject>
#include <memory>

class TCustomForm;
class TFrame;
class TStringList;
class TThemeNotifierWindow;

class TKestFormStyler : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(TColor AppColor READ AppColor WRITE SetAppColor)
    Q_PROPERTY(TKestAppStyler* AppStyle READ AppStyle WRITE SetAppStyle)
    Q_PROPERTY(bool AutoThemeAdapt READ AutoThemeAdapt WRITE SetAutoThemeAdapt)
    Q_PROPERTY(TComboBox* ComboBox READ ComboBox WRITE SetComboBox)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Metro READ Metro WRITE SetMetro)
    Q_PROPERTY(TColor MetroColor READ MetroColor WRITE SetMetroColor)
    Q_PROPERTY(TColor MetroTextColor READ MetroTextColor WRITE SetMetroTextColor)
    Q_PROPERTY(KestStyles::TMetroStyle MetroStyle READ MetroStyle WRITE SetMetroStyle)
    Q_PROPERTY(KestStyles::TZPXStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
    Q_PROPERTY(KestStyles::TApplyStyleEvent OnApplyStyle READ GetOnApplyStyle WRITE SetOnApplyStyle)
    Q_PROPERTY(KestStyles::TAppliedStyleEvent OnAppliedStyle READ GetOnAppliedStyle WRITE SetOnAppliedStyle)
    Q_PROPERTY(KestStyles::TApplyStyleEvent OnApplyColorTones READ GetOnApplyColorTones WRITE SetOnApplyColorTones)
    Q_PROPERTY(KestStyles::TAppliedStyleEvent OnAppliedColorTones READ GetOnAppliedColorTones WRITE
                   SetOnAppliedColorTones)
    Q_CLASSINFO("Default:AppColor", "0x000000")
    Q_CLASSINFO("Default:AutoThemeAdapt", "false")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:Metro", "false")
    Q_CLASSINFO("Default:MetroColor", "clHighlight")
    Q_CLASSINFO("Default:MetroTextColor", "0x000000")
    Q_CLASSINFO("Default:MetroStyle", "msLight")
    Q_CLASSINFO("Default:Style", "tsCustom")

public:
    explicit TKestFormStyler(TComponent* owner);
    ~TKestFormStyler() override;

    void ApplyStyle();
    void ApplyStyleToForm(TCustomForm* form, TZPXStyle style);
    void ApplyStyleToFrame(TFrame* frame, TZPXStyle style);
    // Metro on, style custom, and the tones pushed to the form; the tones
    // given are not kept.
    void SetColorTones(const TColorTones& tones);
    void ApplyColorTonesToForm(TCustomForm* form, const TColorTones& tones);
    void ApplyColorTonesToFrame(TFrame* frame, const TColorTones& tones);

    // The offered style names in list order, each carrying its style value
    // as its object.
    static std::unique_ptr<TStringList> GetStyles();
    // The style a GetStyles item carries.
    static TZPXStyle StyleOfItem(void* object) { return TZPXStyle(reinterpret_cast<quintptr>(object)); }
    void HandleStyleSelect(QObject* sender);

    TZPXStyle Style() const { return FStyle; }
    void SetStyle(TZPXStyle value);
    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor value);
    TKestAppStyler* AppStyle() const { return FAppStyle; }
    void SetAppStyle(TKestAppStyler* value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    TComboBox* ComboBox() const { return FComboBox; }
    void SetComboBox(TComboBox* value);
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
    // The tones Metro mode pushes (or the application styler handed over).
    const TColorTones& Tones() const { return FTones; }

    QString Version() const;
    void SetVersion(const QString&) {}
    static quint32 GetVersionNr() { return 0x02040001; }

    TNotifyEvent OnChange;
    TApplyStyleEvent OnApplyStyle;
    TAppliedStyleEvent OnAppliedStyle;
    TApplyStyleEvent OnApplyColorTones;
    TAppliedStyleEvent OnAppliedColorTones;
    TNotifyEvent GetOnChange() const { return OnChange; }
    void SetOnChange(const TNotifyEvent& handler) { OnChange = handler; }
    TApplyStyleEvent GetOnApplyStyle() const { return OnApplyStyle; }
    void SetOnApplyStyle(const TApplyStyleEvent& handler) { OnApplyStyle = handler; }
    TAppliedStyleEvent GetOnAppliedStyle() const { return OnAppliedStyle; }
    void SetOnAppliedStyle(const TAppliedStyleEvent& handler) { OnAppliedStyle = handler; }
    TApplyStyleEvent GetOnApplyColorTones() const { return OnApplyColorTones; }
    void SetOnApplyColorTones(const TApplyStyleEvent& handler) { OnApplyColorTones = handler; }
    TAppliedStyleEvent GetOnAppliedColorTones() const { return OnAppliedColorTones; }
    void SetOnAppliedColorTones(const TAppliedStyleEvent& handler) { OnAppliedColorTones = handler; }

    void Loaded() override;
    void Assign(TPersistent* source) override;
    // Follows the desktop: with AutoThemeAdapt set, Style becomes the
    // detected system style.
    void ThemeChanged();

protected:
    virtual void UpdateMetro();
    virtual void Changed();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void StyleComponent(TComponent* component, TZPXStyle style);
    void ToneComponent(TComponent* component, const TColorTones& tones);
    void BindComboBox();
    void UnbindComboBox();
    bool IsComboBoxBound() const;
    void ShowStyleInComboBox();

    TZPXStyle FStyle = tsCustom;
    TKestAppStyler* FAppStyle = nullptr;
    bool FAutoThemeAdapt = false;
    // Owned as a component of the styler; gone sooner if its window goes.
    TThemeNotifierWindow* FNotifier = nullptr;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = 0x000000;
    TColor FMetroColor = clHighlight;
    TColorTones FTones;
    bool FEnabled = true;
    TComboBox* FComboBox = nullptr;
    TColor FAppColor = 0;
};
