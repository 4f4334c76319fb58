#pragma once
// One named picture of a picture container.

#include "framework/CollectionItem.h"
#include "framework/Graphic.h"

#include "framework/Picture.h"

#include <memory>

#pragma GCC visibility push(default)

class TPictureContainer;

class TPictureItem : public TCollectionItem {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TGraphic* Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(qint64 Tag READ Tag WRITE SetTag)
    Q_CLASSINFO("Default:Name", "")
public:
    Q_INVOKABLE explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;

    // Name, tag and a copy of the picture of another item.
    void Assign(TPersistent* Source) override;

    TGraphic* Picture() const { return FPicture.get(); }
    // Copies the given graphic into the owned picture.
    void SetPicture(TGraphic* Value);
    QString Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    qint64 Tag() const { return FTag; }
    void SetTag(qint64 Value) { FTag = Value; }

    // A picture holder with a copy of this item's picture; it becomes the
    // container's scratch holder, valid until the next such call.
    TPicture* Bitmap();
    TPictureContainer* Container() const;

protected:
    virtual std::unique_ptr<TGraphic> CreatePicture();

private:
    std::unique_ptr<TGraphic> FPicture;
    // The holder Bitmap returns while the item belongs to no container.
    std::unique_ptr<TPicture> FScratchless;
    qint64 FTag = 0;
    QString FName;
};

#pragma GCC visibility pop
