#pragma once
// One bitmap of a scaled-bitmap collection: the picture for one display
// scale, or only a name that the program resolves itself.

#include "framework/CollectionItem.h"
#include "pictures/KestBitmap.h"

#include <memory>

#pragma GCC visibility push(default)

class TKestScaledBitmap : public TCollectionItem {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TKestBitmap* Bitmap READ Bitmap WRITE SetBitmap)
    Q_PROPERTY(QString BitmapName READ BitmapName WRITE SetBitmapName)
    Q_PROPERTY(float Scale READ Scale WRITE SetScale)
    Q_CLASSINFO("Default:BitmapName", "")
    Q_CLASSINFO("Default:Scale", "1")
public:
    Q_INVOKABLE explicit TKestScaledBitmap(TCollection* Collection);
    ~TKestScaledBitmap() override;

    // From another scaled bitmap: the picture, the name and the scale.
    void Assign(TPersistent* Source) override;

    TKestBitmap* Bitmap() const { return FBitmap.get(); }
    // Copies the given picture in (unless it is the owned one).
    void SetBitmap(TPicture* Value);
    QString BitmapName() const { return FBitmapName; }
    void SetBitmapName(const QString& Value);
    float Scale() const { return FScale; }
    void SetScale(float Value);

private:
    std::unique_ptr<TKestBitmap> FBitmap;
    float FScale = 1.0f;
    QString FBitmapName;
};

#pragma GCC visibility pop
