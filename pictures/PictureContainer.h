#pragma once
// A non-visual component holding named pictures that other components draw
// by name. Registered controls repaint when the pictures change.

#include "persistence/KestJSONMethods.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Picture.h"
#include "pictures/PictureCollection.h"

#include <QObject>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TGraphic;

class TPictureContainer : public QObject, public TComponent, public TKestJSONMethods {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TPictureCollection* Items READ Items WRITE SetItems)
    Q_PROPERTY(QString Version READ Version)
public:
    Q_INVOKABLE explicit TPictureContainer(TComponent* AOwner = nullptr);
    ~TPictureContainer() override;

    TPictureCollection* Items() const { return FItems.get(); }
    // Copies the given items into the container's own collection.
    void SetItems(TPictureCollection* Value);
    QString Version() const;
    virtual quint32 GetVersionNr() const;

    // The picture of the first item of that name (ASCII letters compared
    // ignoring case); the container keeps owning it.
    virtual TGraphic* FindPicture(const QString& s) const;
    // A holder with a copy of that picture, valid until the next FindBitmap
    // or item Bitmap call or the container's end; none for an unknown name.
    virtual TPicture* FindBitmap(const QString& s);
    // The control repaints on every change; it is forgotten when destroyed.
    void RegisterControl(TComponent* AControl);
    int RegisteredControlCount() const { return int(FControls.size()); }
    // Repaints the registered controls, then OnChange.
    virtual void Changed();

    // Replaces the scratch holder (see FindBitmap).
    void SetScratchPicture(std::unique_ptr<TPicture> holder);

    TNotifyEvent OnChange;

protected:
    virtual std::unique_ptr<TPictureCollection> CreateItems();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TComponent*> FControls;
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TPictureCollection> FItems;
};

#pragma GCC visibility pop
