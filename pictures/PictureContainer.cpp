#include "pictures/PictureContainer.h"

#include "framework/Graphic.h"

#include <QWidget>
#include <algorithm>

namespace {

// Case-insensitive for ASCII letters only, as the names are compared.
bool SameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a[i], y = b[i];
        if (x.unicode() < 128 && y.unicode() < 128) {
            if (std::tolower(x.unicode()) != std::tolower(y.unicode()))
                return false;
        } else if (x != y) {
            return false;
        }
    }
    return true;
}

}

TPictureContainer::TPictureContainer(TComponent* AOwner) : TComponent(this, AOwner), FItems(CreateItems()) {}

TPictureContainer::~TPictureContainer() { Destroying(); }

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems()
{
    return std::make_unique<TPictureCollection>(this);
}

void TPictureContainer::SetItems(TPictureCollection* Value)
{
    if (Value && Value != FItems.get())
        FItems->Assign(Value);
}

quint32 TPictureContainer::GetVersionNr() const { return (2u << 24) | (1u << 16) | (1u << 8) | 0u; }

QString TPictureContainer::Version() const
{
    const quint32 v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

TGraphic* TPictureContainer::FindPicture(const QString& s) const
{
    for (TPictureItem* item : *FItems)
        if (SameName(item->Name(), s))
            return item->Picture();
    return nullptr;
}

TPicture* TPictureContainer::FindBitmap(const QString& s)
{
    FPicture.reset();
    TGraphic* picture = FindPicture(s);
    if (!picture)
        return nullptr;
    FPicture = std::make_unique<TPicture>();
    FPicture->Assign(picture);
    return FPicture.get();
}

void TPictureContainer::SetScratchPicture(std::unique_ptr<TPicture> holder) { FPicture = std::move(holder); }

void TPictureContainer::RegisterControl(TComponent* AControl)
{
    if (!AControl)
        return;
    FControls.push_back(AControl);
    FreeNotification(AControl);
}

void TPictureContainer::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        std::erase(FControls, AComponent);
}

void TPictureContainer::Changed()
{
    for (TComponent* control : FControls)
        if (auto* widget = qobject_cast<QWidget*>(control->Object()))
            widget->update();
    if (OnChange)
        OnChange(this);
}
