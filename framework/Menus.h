#pragma once
// Popup menus: a TPopupMenu component over a QMenu, holding TMenuItems.
// Stored layouts nest the items inside their menu (or inside the item whose
// submenu they form), and controls name the menu in their PopupMenu
// property.

#include "framework/Component.h"
#include "framework/Events.h"

#include <QObject>
#include <QPoint>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class QAction;
class QMenu;
class TPopupMenu;

class TMenuItem : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)
    Q_CLASSINFO("Default:Checked", "false")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:Visible", "true")

public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "-" makes the item a separator line; "&" marks the access key.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    bool Checked() const;
    void SetChecked(bool value);
    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value);

    // The items of this item's submenu; not owned (their owner frees them).
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(size_t(index)); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return FParent; }

    QAction* Action() const { return FAction.get(); }
    // The submenu, made when the first item is added.
    QMenu* SubMenu() const { return FSubMenu.get(); }

    TNotifyEvent OnClick;
    TNotifyEvent GetOnClick() const { return OnClick; }
    void SetOnClick(const TNotifyEvent& e) { OnClick = e; }
    virtual void Click();

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TPopupMenu;
    QMenu* EnsureSubMenu();

    QString FCaption;
    // The submenu outlives the action that shows it.
    std::unique_ptr<QMenu> FSubMenu;
    std::unique_ptr<QAction> FAction;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TPopupMenu* FRootOf = nullptr;
};

class TPopupMenu : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
    Q_PROPERTY(TNotifyEvent OnPopup READ GetOnPopup WRITE SetOnPopup)
    Q_CLASSINFO("Default:AutoPopup", "true")

public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The menu's top-level items are the items of this root item.
    TMenuItem* Items() const { return FItems.get(); }
    QMenu* Menu() const;

    // Whether a right click on a control naming this menu shows it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The control the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);

    // Fires OnPopup, then shows the menu at a screen point (without
    // waiting for a choice).
    void Popup(int x, int y);

    TNotifyEvent OnPopup;
    TNotifyEvent GetOnPopup() const { return OnPopup; }
    void SetOnPopup(const TNotifyEvent& e) { OnPopup = e; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TMenuItem> FItems;
    TComponent* FPopupComponent = nullptr;
    bool FAutoPopup = true;
};

#pragma GCC visibility pop
