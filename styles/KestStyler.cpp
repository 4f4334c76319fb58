#include "styles/KestStyler.h"

#include "framework/VersionText.h"
#include "styles/SystemStyle.h"
#include "styles/ThemeNotifierWindow.h"

TKestStyler::TKestStyler(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}

TKestStyler::~TKestStyler() = default;

void TKestStyler::CreateNotifier(QWidget* parent)
{
    FNotifier = new TThemeNotifierWindow(this);
    FNotifier->SetParent(parent);
    FNotifier->OnThemeChange = [this](QObject*) { ThemeChanged(); };
}

QString TKestStyler::Version() const { return VersionText(GetVersionNr()); }

void TKestStyler::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    ThemeChanged();
}

void TKestStyler::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (value)
        ApplyStyle();
}

void TKestStyler::SetMetroColor(TColor value)
{
    if (value == FMetroColor)
        return;
    FMetroColor = value;
    UpdateMetro();
}

void TKestStyler::SetMetroTextColor(TColor value)
{
    if (value == FMetroTextColor)
        return;
    FMetroTextColor = value;
    UpdateMetro();
}

void TKestStyler::SetMetroStyle(TMetroStyle value)
{
    if (value == FMetroStyle)
        return;
    FMetroStyle = value;
    UpdateMetro();
}

void TKestStyler::ThemeChanged()
{
    if (FAutoThemeAdapt)
        SetStyle(DetectSystemStyle(false));
}

void TKestStyler::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKestStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == static_cast<TComponent*>(FNotifier))
        FNotifier = nullptr;
}
