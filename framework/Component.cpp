#include "framework/Component.h"

#include <algorithm>

TComponent::TComponent(QObject* self, TComponent* AOwner) : FSelf(self)
{
    Q_ASSERT(self);
    if (AOwner)
        AOwner->InsertComponent(this);
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

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Notification(AComponent, TOperation::opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
    if (it != FComponents.rend())
        FComponents.erase(std::next(it).base());
    AComponent->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    auto drop = [](std::vector<TComponent*>& v, TComponent* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); };
    drop(FFreeNotifies, AComponent);
    drop(AComponent->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // Every owned component hears of the change too (a sibling's image list
    // going away, for instance). Iterate by index: handlers may remove items.
    for (size_t i = FComponents.size(); i-- > 0;) {
        if (i >= FComponents.size())
            continue;
        TComponent* c = FComponents[i];
        if (c != AComponent)
            c->Notification(AComponent, Operation);
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
