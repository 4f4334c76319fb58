#include "pictures/PictureItem.h"

#include "framework/Picture.h"
#include "pictures/HTMLPicture.h"
#include "pictures/PictureCollection.h"
#include "pictures/PictureContainer.h"

TPictureItem::TPictureItem(TCollection* Collection) : TCollectionItem(Collection), FPicture(CreatePicture()) {}

TPictureItem::~TPictureItem() = default;

std::unique_ptr<TGraphic> TPictureItem::CreatePicture() { return std::make_unique<THTMLPicture>(); }

void TPictureItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TPictureItem*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (source == this)
        return;
    FName = source->FName;
    FTag = source->FTag;
    FPicture->Assign(source->FPicture.get());
}

void TPictureItem::SetPicture(TGraphic* Value)
{
    if (Value != FPicture.get())
        FPicture->Assign(Value);
}

TPictureContainer* TPictureItem::Container() const
{
    auto* collection = dynamic_cast<TPictureCollection*>(Collection());
    return collection ? collection->Container() : nullptr;
}

TPicture* TPictureItem::Bitmap()
{
    auto holder = std::make_unique<TPicture>();
    holder->Assign(FPicture.get());
    TPicture* raw = holder.get();
    if (TPictureContainer* container = Container())
        container->SetScratchPicture(std::move(holder));
    else
        FScratchless = std::move(holder);
    return raw;
}
