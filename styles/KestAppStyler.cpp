#include "styles/KestAppStyler.h"

#include "framework/Application.h"
#include "framework/VersionText.h"
#include "styles/KestFormStyler.h"
#include "styles/SystemStyle.h"
#include "styles/ThemeNotifierWindow.h"

#include <QPointer>
#include <algorithm>

TKestAppStyler::TKestAppStyler(TComponent* owner) : QObject(nullptr), TComponent(this, owner)
{
    FStyle = tsCustom;
    FMetroColor = KestStyles::DefaultColorTones().Selected.BrushColor;
    FMetroTextColor = 0x000000;
    FMetroStyle = msLight;
    FAppColor = clNone;
    if (!(owner && owner->IsDesigning())) {
        FNotifier = new TThemeNotifierWindow(this);
        // The main form as it is now; without one the notifier has no window
        // but still hears theme changes (they reach it through the
        // application).
        if (TApplication* application = Application())
            if (TCustomForm* mainForm = application->MainForm())
                FNotifier->SetParent(mainForm);
        FNotifier->OnThemeChange = [this](QObject*) { ThemeChanged(); };
    }
    FEnabled = true;
}

TKestAppStyler::~TKestAppStyler()
{
    Destroying();
    // Clearing a form styler's reference unregisters it: go over a copy.
    ForEachFormStyler([this](TKestFormStyler* formStyler) {
        if (formStyler->AppStyle() == this)
            formStyler->SetAppStyle(nullptr);
        else
            UnRegisterFormStyler(formStyler);
    });
    FForms.clear();
}

QString TKestAppStyler::Version() const { return VersionText(GetVersionNr()); }

template <typename Action>
void TKestAppStyler::ForEachFormStyler(Action action)
{
    const QPointer<QObject> alive(this);
    const std::vector<TKestFormStyler*> snapshot = FForms;
    for (TKestFormStyler* formStyler : snapshot) {
        if (!alive)
            return;
        if (std::find(FForms.begin(), FForms.end(), formStyler) != FForms.end())
            action(formStyler);
    }
}

void TKestAppStyler::RegisterFormStyler(TKestFormStyler* item)
{
    if (!item || std::find(FForms.begin(), FForms.end(), item) != FForms.end())
        return;
    FForms.push_back(item);
    // Told when the form styler goes, also one that was registered here
    // without referencing this styler.
    FreeNotification(item);
}

void TKestAppStyler::UnRegisterFormStyler(TKestFormStyler* formStyler)
{
    auto it = std::find(FForms.begin(), FForms.end(), formStyler);
    if (it == FForms.end())
        return;
    FForms.erase(it);
    // A form styler that still references this one keeps the link, so that
    // it hears of this styler's destruction.
    if (formStyler->AppStyle() != this)
        RemoveFreeNotification(formStyler);
}

void TKestAppStyler::ApplyStyle()
{
    if (!FEnabled)
        return;
    const QPointer<QObject> alive(this);
    ForEachFormStyler([this](TKestFormStyler* formStyler) {
        formStyler->SetMetro(FMetro);
        formStyler->SetMetroStyle(FMetroStyle);
        formStyler->SetMetroColor(FMetroColor);
        formStyler->SetMetroTextColor(FMetroTextColor);
        formStyler->SetAppColor(FAppColor);
        formStyler->SetStyle(FStyle);
        formStyler->SetAppColor(FAppColor);
    });
    if (alive)
        Changed();
}

void TKestAppStyler::SetColorTones(const TColorTones& tones)
{
    FTones = tones;
    FMetro = true;
    FStyle = tsCustom;
    FMetroColor = tones.Selected.BrushColor;
    // Nothing is drawn in this colour; the tones' own text colour is what it
    // names.
    FMetroTextColor = tones.Background.TextColor;
    if (tones.Background.BrushColor == 0xFFFFFF)
        FMetroStyle = msLight;
    else if (tones.Background.BrushColor == 0x000000)
        FMetroStyle = msDark;
    const QPointer<QObject> alive(this);
    if (Pushes())
        ForEachFormStyler([&tones](TKestFormStyler* formStyler) { formStyler->SetColorTones(tones); });
    if (alive)
        Changed();
}

void TKestAppStyler::SetStyle(TZPXStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    if (Pushes())
        ApplyStyle();
}

void TKestAppStyler::SetAppColor(TColor value)
{
    FAppColor = value;
    const QPointer<QObject> alive(this);
    if (Pushes())
        ForEachFormStyler([this](TKestFormStyler* formStyler) {
            formStyler->SetStyle(FStyle);
            formStyler->SetAppColor(FAppColor);
        });
    if (alive)
        Changed();
}

void TKestAppStyler::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    ThemeChanged();
}

void TKestAppStyler::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (value)
        ApplyStyle();
}

void TKestAppStyler::SetMetro(bool value)
{
    if (value == FMetro)
        return;
    FMetro = value;
    UpdateMetro();
}

void TKestAppStyler::SetMetroColor(TColor value)
{
    if (value == FMetroColor)
        return;
    FMetroColor = value;
    UpdateMetro();
}

void TKestAppStyler::SetMetroTextColor(TColor value)
{
    if (value == FMetroTextColor)
        return;
    FMetroTextColor = value;
    UpdateMetro();
}

void TKestAppStyler::SetMetroStyle(TMetroStyle value)
{
    if (value == FMetroStyle)
        return;
    FMetroStyle = value;
    UpdateMetro();
}

void TKestAppStyler::UpdateMetro()
{
    const TColorTones tones = KestStyles::MakeMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor);
    if (FStyle != tsCustom || !FMetro || !Pushes())
        return;
    const QPointer<QObject> alive(this);
    ForEachFormStyler([&tones](TKestFormStyler* formStyler) { formStyler->SetColorTones(tones); });
    if (alive)
        Changed();
}

void TKestAppStyler::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKestAppStyler::Loaded()
{
    TComponent::Loaded();
    if (FAutoThemeAdapt)
        ThemeChanged();
}

void TKestAppStyler::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TKestAppStyler*>(source)) {
        SetStyle(other->Style());
        SetAutoThemeAdapt(other->AutoThemeAdapt());
        return;
    }
    TComponent::Assign(source);
}

void TKestAppStyler::ThemeChanged()
{
    if (FAutoThemeAdapt)
        SetStyle(DetectSystemStyle(false));
}

void TKestAppStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    FForms.erase(std::remove_if(FForms.begin(), FForms.end(),
                                [component](TKestFormStyler* f) { return static_cast<TComponent*>(f) == component; }),
                 FForms.end());
    if (component == static_cast<TComponent*>(FNotifier))
        FNotifier = nullptr;
}
