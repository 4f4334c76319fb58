#include "styles/KestFormStyler.h"

#include "framework/Form.h"
#include "framework/Frame.h"
#include "framework/StringList.h"
#include "styles/StyleInterfaces.h"
#include "styles/StyleWalk.h"

namespace {

// The combo box's selection handler while a styler is bound to it; a named
// type, so that the styler can tell its own handler from another one.
struct TStyleSelectHandler {
    TKestFormStyler* Styler;
    void operator()(QObject* sender) const { Styler->HandleStyleSelect(sender); }
};

void* StyleObject(TZPXStyle style) { return reinterpret_cast<void*>(quintptr(style)); }

// The first control found from the owner up the chain of owners.
QWidget* FirstWindowedOwner(TComponent* owner)
{
    for (TComponent* c = owner; c; c = c->Owner())
        if (auto* control = dynamic_cast<TControl*>(c))
            return control->Widget();
    return nullptr;
}

TColor FormBackground(TZPXStyle style)
{
    switch (style) {
    case tsOffice2013White:
    case tsOffice2016White:
    case tsOffice2019White: return 0xFFFFFF;
    case tsOffice2013LightGray: return 0xC0C0C0;
    case tsOffice2013Gray:
    case tsOffice2016Gray: return 0x808080;
    case tsOffice2016Black:
    case tsOffice2019Black: return 0x000000;
    case tsOffice2019Gray: return 0x666666;
    default: return clBtnFace;
    }
}

}

TKestFormStyler::TKestFormStyler(TComponent* owner) : TKestStyler(owner)
{
    FStyle = tsCustom;
    FTones = KestStyles::DefaultColorTones();
    FMetroColor = FTones.Selected.BrushColor;
    FMetroTextColor = 0x000000;
    FMetroStyle = msLight;
    const bool designing = owner && owner->IsDesigning();
    if (designing && !owner->IsReading() && !owner->IsLoading())
        FAppColor = 0xE29E00;
    if (!designing)
        CreateNotifier(FirstWindowedOwner(owner));
    FEnabled = true;
}

TKestFormStyler::~TKestFormStyler()
{
    Destroying();
    // The combo box outlives the styler: it must not call back into it.
    UnbindComboBox();
    if (FAppStyle)
        FAppStyle->UnRegisterFormStyler(this);
}

void TKestFormStyler::ApplyStyle()
{
    if (!FEnabled)
        return;
    const QPointer<QObject> alive(this);
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
        ApplyStyleToForm(form, FStyle);
    else if (auto* frame = dynamic_cast<TFrame*>(Owner()))
        ApplyStyleToFrame(frame, FStyle);
    if (alive)
        Changed();
}

void TKestFormStyler::ApplyStyleToForm(TCustomForm* form, TZPXStyle style)
{
    form->SetColor(FormBackground(style));
    KestStyles::WalkForm(form, [this, style](TComponent* c) { StyleComponent(c, style); }, this);
}

void TKestFormStyler::ApplyStyleToFrame(TFrame* frame, TZPXStyle style)
{
    KestStyles::WalkFrame(frame, [this, style](TComponent* c) { StyleComponent(c, style); }, this);
}

void TKestFormStyler::SetColorTones(const TColorTones& tones)
{
    FMetro = true;
    FStyle = tsCustom;
    ShowStyleInComboBox();
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
        ApplyColorTonesToForm(form, tones);
    else if (auto* frame = dynamic_cast<TFrame*>(Owner()))
        ApplyColorTonesToFrame(frame, tones);
}

void TKestFormStyler::ApplyColorTonesToForm(TCustomForm* form, const TColorTones& tones)
{
    KestStyles::WalkForm(form, [this, &tones](TComponent* c) { ToneComponent(c, tones); }, this);
}

void TKestFormStyler::ApplyColorTonesToFrame(TFrame* frame, const TColorTones& tones)
{
    KestStyles::WalkFrame(frame, [this, &tones](TComponent* c) { ToneComponent(c, tones); }, this);
}

namespace {

// Asks the before-handler, then (when allowed, and while the component and
// the styler are still there) applies and tells the after-handler.
template <typename Apply>
void StyleOne(QObject* styler, TComponent* component, const TApplyStyleEvent& before,
              const TAppliedStyleEvent& after, Apply apply)
{
    const QPointer<QObject> stylerAlive(styler);
    const QPointer<QObject> componentAlive(component->Object());
    bool allow = true;
    // A copy: the handler may free the styler that holds it.
    if (const TApplyStyleEvent handler = before)
        handler(styler, component->Object(), allow);
    if (!allow || !stylerAlive || !componentAlive)
        return;
    const TAppliedStyleEvent handler = after;
    apply();
    if (handler && stylerAlive && componentAlive)
        handler(styler, component->Object());
}

}

void TKestFormStyler::StyleComponent(TComponent* component, TZPXStyle style)
{
    if (auto* target = Supports<IZPXStyleAppColor>(component))
        StyleOne(this, component, OnApplyStyle, OnAppliedStyle,
                 [&] { target->SetComponentStyleAndAppColor(style, FAppColor); });
    else if (auto* target = Supports<IZPXStyle>(component))
        StyleOne(this, component, OnApplyStyle, OnAppliedStyle, [&] { target->SetComponentStyle(style); });
}

void TKestFormStyler::ToneComponent(TComponent* component, const TColorTones& tones)
{
    if (auto* target = Supports<IZPXColorTones>(component))
        StyleOne(this, component, OnApplyColorTones, OnAppliedColorTones, [&] { target->SetColorTones(tones); });
}

std::unique_ptr<TStringList> TKestFormStyler::GetStyles()
{
    auto list = std::make_unique<TStringList>();
    for (TZPXStyle style : KestStyles::OfferedStyles())
        list->AddObject(KestStyles::StyleOfferedName(style), StyleObject(style));
    return list;
}

void TKestFormStyler::HandleStyleSelect(QObject*)
{
    if (FComboBox && FComboBox->ItemIndex() >= 0)
        SetStyle(StyleOfItem(FComboBox->ItemObject(FComboBox->ItemIndex())));
}

void TKestFormStyler::SetStyle(TZPXStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    ShowStyleInComboBox();
    if (value != tsCustom && !IsLoading())
        ApplyStyle();
}

void TKestFormStyler::SetAppColor(TColor value)
{
    if (value == FAppColor)
        return;
    FAppColor = value;
    if (FStyle != tsCustom && !IsLoading())
        ApplyStyle();
}

void TKestFormStyler::SetAppStyle(TKestAppStyler* value)
{
    if (value != FAppStyle) {
        // Registered only with the application styler referenced now, so
        // that neither side can reach the other after it is destroyed.
        TKestAppStyler* previous = FAppStyle;
        FAppStyle = value;
        if (previous) {
            previous->UnRegisterFormStyler(this);
            RemoveFreeNotification(previous);
        }
        if (value)
            FreeNotification(value);
    }
    if (!value)
        return;
    if (!IsLoading())
        SetStyle(value->Style());
    if (!IsDesigning())
        value->RegisterFormStyler(this);
}

void TKestFormStyler::SetComboBox(TComboBox* value)
{
    if (value != FComboBox) {
        UnbindComboBox();
        FComboBox = value;
        if (value)
            FreeNotification(value);
    }
    if (value)
        BindComboBox();
}

void TKestFormStyler::BindComboBox()
{
    const std::unique_ptr<TStringList> styles = GetStyles();
    FComboBox->SetItems(*styles);
    FComboBox->SetStyle(TComboBox::csDropDownList);
    FComboBox->OnSelect = TStyleSelectHandler{this};
    ShowStyleInComboBox();
}

bool TKestFormStyler::IsComboBoxBound() const
{
    const auto* handler = FComboBox ? FComboBox->OnSelect.target<TStyleSelectHandler>() : nullptr;
    return handler && handler->Styler == this;
}

void TKestFormStyler::UnbindComboBox()
{
    if (!FComboBox)
        return;
    if (IsComboBoxBound())
        FComboBox->OnSelect = nullptr;
    RemoveFreeNotification(FComboBox);
}

// The box shows the style the styler has, however it came to it.
void TKestFormStyler::ShowStyleInComboBox()
{
    if (IsComboBoxBound())
        FComboBox->SetItemIndex(FComboBox->IndexOfObject(StyleObject(FStyle)));
}

void TKestFormStyler::SetMetro(bool value)
{
    if (value == FMetro)
        return;
    FMetro = value;
    if (value)
        UpdateMetro();
}

void TKestFormStyler::UpdateMetro()
{
    if (!FEnabled)
        return;
    FTones = KestStyles::MakeMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor);
    // While loading the tones wait for Loaded, like a style does.
    if (FStyle == tsCustom && FMetro && !IsLoading())
        SetColorTones(FTones);
}

void TKestFormStyler::Loaded()
{
    TKestStyler::Loaded();
    if (IsDesigning())
        return;
    if (FAppStyle) {
        SetStyle(FAppStyle->Style());
        FTones = FAppStyle->Tones();
        SetMetro(FAppStyle->Metro());
        SetMetroStyle(FAppStyle->MetroStyle());
        SetMetroTextColor(FAppStyle->MetroTextColor());
        SetMetroColor(FAppStyle->MetroColor());
    } else {
        const TZPXStyle loaded = FStyle;
        SetStyle(tsCustom);
        SetStyle(loaded);
    }
    if (FMetro)
        SetColorTones(FTones);
    ThemeChanged();
}

void TKestFormStyler::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TKestFormStyler*>(source)) {
        SetAutoThemeAdapt(other->AutoThemeAdapt());
        SetStyle(other->Style());
        return;
    }
    TKestStyler::Assign(source);
}

void TKestFormStyler::Notification(TComponent* component, TOperation operation)
{
    TKestStyler::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == static_cast<TComponent*>(FAppStyle))
        FAppStyle = nullptr;
    if (component == static_cast<TComponent*>(FComboBox))
        FComboBox = nullptr;
}
