#include "framework/Menus.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

TMenuItem::TMenuItem(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), FAction(std::make_unique<QAction>())
{
    connect(FAction.get(), &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem()
{
    Destroying();
    if (FParent)
        FParent->Remove(this);
    for (TMenuItem* item : FItems)
        item->FParent = nullptr;
}

void TMenuItem::SetCaption(const QString& value)
{
    FCaption = value;
    const bool separator = value == QLatin1String("-");
    FAction->setSeparator(separator);
    FAction->setText(separator ? QString() : value);
}

bool TMenuItem::Checked() const { return FAction->isChecked(); }

void TMenuItem::SetChecked(bool value)
{
    FAction->setCheckable(value || FAction->isCheckable());
    FAction->setChecked(value);
}

bool TMenuItem::Enabled() const { return FAction->isEnabled(); }
void TMenuItem::SetEnabled(bool value) { FAction->setEnabled(value); }
bool TMenuItem::Visible() const { return FAction->isVisible(); }
void TMenuItem::SetVisible(bool value) { FAction->setVisible(value); }

QMenu* TMenuItem::EnsureSubMenu()
{
    if (!FSubMenu) {
        FSubMenu = std::make_unique<QMenu>();
        FAction->setMenu(FSubMenu.get());
    }
    return FSubMenu.get();
}

void TMenuItem::Add(TMenuItem* item)
{
    if (!item || item == this || item->FParent == this)
        return;
    if (item->FParent)
        item->FParent->Remove(item);
    EnsureSubMenu()->addAction(item->Action());
    FItems.push_back(item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    if (FSubMenu)
        FSubMenu->removeAction(item->Action());
    item->FParent = nullptr;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FRootOf)
        return FParent->FRootOf;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), FItems(std::make_unique<TMenuItem>(nullptr))
{
    FItems->FRootOf = this;
    FItems->EnsureSubMenu();
}

TPopupMenu::~TPopupMenu()
{
    Destroying();
    // Items still in the menu stay with their owner; they only lose their place.
    while (FItems->Count() > 0)
        FItems->Remove(FItems->Items(FItems->Count() - 1));
}

QMenu* TPopupMenu::Menu() const { return FItems->SubMenu(); }

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (value == FPopupComponent)
        return;
    if (FPopupComponent)
        RemoveFreeNotification(FPopupComponent);
    FPopupComponent = value;
    if (FPopupComponent)
        FreeNotification(FPopupComponent);
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    Menu()->popup(QPoint(x, y));
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}
