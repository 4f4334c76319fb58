#pragma once
// The component base: an owner frees what it owns, owned components hear of
// each other's removal, and a component knows whether it is being designed,
// loaded from a stored layout or destroyed.
//
// It is a mixin beside a QObject (or QWidget) so that controls can be real
// widgets; the Qt object passed at construction carries the name and the
// published properties.

#include "framework/Persistent.h"

#include <QFlags>
#include <QObject>
#include <QString>
#include <vector>

#pragma GCC visibility push(default)

enum class TComponentStateFlag {
    csLoading = 0x01,
    csReading = 0x02,
    csWriting = 0x04,
    csDestroying = 0x08,
    csDesigning = 0x10,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComponentState)

using enum TComponentStateFlag;

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    TComponent(QObject* self, TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(size_t(index)); }
    TComponent* FindComponent(const QString& name) const;

    QString Name() const;
    void SetName(const QString& name);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsDesigning() const { return FComponentState.testFlag(csDesigning); }
    bool IsLoading() const { return FComponentState.testFlag(csLoading); }
    bool IsReading() const { return FComponentState.testFlag(csReading); }
    bool IsDestroying() const { return FComponentState.testFlag(csDestroying); }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Ask to be told (Notification with opRemove) when component goes away.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Called once the stored layout has been read completely.
    virtual void Loaded();
    // The component a non-visual component is stored inside (a menu item
    // inside its menu); none for the rest, which are stored inside their
    // parent control or at the root.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Marks the component (and what it owns) as being destroyed; derived
    // destructors call it first so that notifications see the state.
    void Destroying();

    // State changes made by the layout reader and by the designer.
    void SetLoading(bool on);
    void SetReading(bool on);
    void SetDesigning(bool on, bool includeOwned = true);

    QObject* Object() const { return FSelf; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void DestroyComponents();

    QObject* FSelf;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
};

// The component carried by a Qt object, if it is one.
TComponent* AsComponent(QObject* object);

#pragma GCC visibility pop
