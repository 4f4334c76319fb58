#include "styles/KestAppStyler.h"

#include "framework/Application.h"
#include "styles/KestFormStyler.h"

#include <QPointer>
#include <algorithm>

TKestAppStyler::TKestAppStyler(TComponent* owner) : TKestStyler(owner)
{
    FStyle = tsCustom;
    FMetroColor = KestStyles::DefaultColorTones().Selected.BrushColor;
    FMetroTextColor = 0x000000;
    FMetroStyle = msLight;
    FAppColor = clNone;
    // In the main form as it is now; without one the notifier has no window
    // but still hears theme changes (they reach it through the application).
    if (!(owner && owner->IsDesigning()))
        CreateNotifier(Application() ? Application()->MainForm() : nullptr);
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

void TKestAppStyler::SetMetro(bool value)
{
    if (value == FMetro)
        return;
    FMetro = value;
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

void TKestAppStyler::Loaded()
{
    TKestStyler::Loaded();
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
    TKestStyler::Assign(source);
}

void TKestAppStyler::Notification(TComponent* component, TOperation operation)
{
    TKestStyler::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    FForms.erase(std::remove_if(FForms.begin(), FForms.end(),
                                [component](TKestFormStyler* f) { return static_cast<TComponent*>(f) == component; }),
                 FForms.end());
}
