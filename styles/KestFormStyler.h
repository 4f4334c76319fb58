#pragma once
// The form styler: a non-visual component on a form or frame that pushes one
// named style, or a set of colour tones, to every component of its form
// that accepts it, descending into frames. It can follow an application
// styler, follow the desktop's theme, and fill a combo box with the style
// catalogue so that the user restyles the form by picking a name.

#include "framework/ComboBox.h"
#include "styles/ColorTones.h"
#include "styles/KestAppStyler.h"
#include "styles/KestStyler.h"
#include "styles/StyleEvents.h"
#include "styles/ZPXStyle.h"

#include <memory>

#pragma GCC visibility push(default)

class TCustomForm;
class TFrame;
class TStringList;

class TKestFormStyler : public TKestStyler {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TColor AppColor READ AppColor WRITE SetAppColor)
    Q_PROPERTY(TKestAppStyler* AppStyle READ AppStyle WRITE SetAppStyle)
    Q_PROPERTY(TComboBox* ComboBox READ ComboBox WRITE SetComboBox)
    Q_PROPERTY(KestStyles::TApplyStyleEvent OnApplyStyle READ GetOnApplyStyle WRITE SetOnApplyStyle)
    Q_PROPERTY(KestStyles::TAppliedStyleEvent OnAppliedStyle READ GetOnAppliedStyle WRITE SetOnAppliedStyle)
    Q_PROPERTY(KestStyles::TApplyStyleEvent OnApplyColorTones READ GetOnApplyColorTones WRITE SetOnApplyColorTones)
    Q_PROPERTY(KestStyles::TAppliedStyleEvent OnAppliedColorTones READ GetOnAppliedColorTones WRITE
                   SetOnAppliedColorTones)
    Q_CLASSINFO("Default:AppColor", "0x000000")

public:
    explicit TKestFormStyler(TComponent* owner);
    ~TKestFormStyler() override;

    void ApplyStyle() override;
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

    void SetStyle(TZPXStyle value) override;
    void SetAppColor(TColor value) override;
    void SetMetro(bool value) override;
    TKestAppStyler* AppStyle() const { return FAppStyle; }
    void SetAppStyle(TKestAppStyler* value);
    TComboBox* ComboBox() const { return FComboBox; }
    void SetComboBox(TComboBox* value);
    // The tones Metro mode pushes (or the application styler handed over).
    const TColorTones& Tones() const { return FTones; }

    TApplyStyleEvent OnApplyStyle;
    TAppliedStyleEvent OnAppliedStyle;
    TApplyStyleEvent OnApplyColorTones;
    TAppliedStyleEvent OnAppliedColorTones;
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

protected:
    void UpdateMetro() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void StyleComponent(TComponent* component, TZPXStyle style);
    void ToneComponent(TComponent* component, const TColorTones& tones);
    void BindComboBox();
    void UnbindComboBox();
    bool IsComboBoxBound() const;
    void ShowStyleInComboBox();

    TKestAppStyler* FAppStyle = nullptr;
    TColorTones FTones;
    TComboBox* FComboBox = nullptr;
};

#pragma GCC visibility pop
