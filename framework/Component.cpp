#include "framework/Component.h"

#include <algorithm>

TComponent::TComponent(QObject* self, TComponent* owner) : FSelf(self)
{
    Q_ASSERT(self);
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Tell everyone who asked; they may drop references to us.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& theirs = other->FFreeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    // Owned components are detached before they are freed, so they do not
    // report back to an owner that is going away.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        FComponents.pop_back();
        c->FOwner = nullptr;
        delete c;
    }
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

QString TComponent::Name() const { return FSelf->objectName(); }

void TComponent::SetName(const QString& name) { FSelf->setObjectName(name); }

void TComponent::InsertComponent(TComponent* component)
{
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
    if (it != FComponents.rend())
        FComponents.erase(std::next(it).base());
    component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    auto drop = [](std::vector<TComponent*>& v, TComponent* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); };
    drop(FFreeNotifies, component);
    drop(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(component);
    // Every owned component hears of the change too (a sibling's image list
    // going away, for instance). Iterate by index: handlers may remove items.
    for (size_t i = FComponents.size(); i-- > 0;) {
        if (i >= FComponents.size())
            continue;
        TComponent* c = FComponents[i];
        if (c != component)
            c->Notification(component, operation);
    }
}

void TComponent::Loaded() { FComponentState &= ~TComponentState(csLoading); }

void TComponent::Destroying()
{
    if (FComponentState.testFlag(csDestroying))
        return;
    FComponentState |= csDestroying;
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::SetLoading(bool on) { FComponentState.setFlag(csLoading, on); }

void TComponent::SetReading(bool on) { FComponentState.setFlag(csReading, on); }

void TComponent::SetDesigning(bool on, bool includeOwned)
{
    FComponentState.setFlag(csDesigning, on);
    if (includeOwned)
        for (TComponent* c : FComponents)
            c->SetDesigning(on, true);
}

TComponent* AsComponent(QObject* object) { return dynamic_cast<TComponent*>(object); }
