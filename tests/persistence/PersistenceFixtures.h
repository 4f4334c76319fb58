#pragma once
// Small object graphs for the persistence tests: a sample with a published
// property of every kind, a nested value object, a collection of items, a
// component tree for assignable properties and an IO reference that stores
// one class by reference id.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestPersistenceTypes.h"

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/GenericContainers.h"
#include "framework/Picture.h"
#include "framework/Strings.h"

#include <QHash>
#include <QPoint>
#include <QObject>
#include <memory>

// An object's settings document through a memory stream, and back.
QString Save(QObject* object);
void Load(QObject* object, const QString& json);

namespace SampleEnums {
Q_NAMESPACE
enum TShape { shCircle, shSquare, shTriangle };
Q_ENUM_NS(TShape)
enum TMark { mkFirst = 1, mkSecond = 2, mkThird = 4 };
Q_DECLARE_FLAGS(TMarks, TMark)
Q_FLAG_NS(TMarks)
}
Q_DECLARE_OPERATORS_FOR_FLAGS(SampleEnums::TMarks)

// Three properties whose names sort differently by case.
class TOrderSample : public QObject, public TKestJSONMethods {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int b MEMBER b)
    Q_PROPERTY(int A MEMBER A)
    Q_PROPERTY(int c MEMBER c)
public:
    Q_INVOKABLE TOrderSample() = default;
    int b = 2;
    int A = 1;
    int c = 3;
};

class TSampleChild : public QObject, public TPersistent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(int Weight MEMBER Weight)
public:
    Q_INVOKABLE TSampleChild() = default;
    void Assign(TPersistent* source) override;
    QString Caption;
    int Weight = 0;
};

class TSampleItem : public TCollectionItem {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(TColor Color MEMBER Color)
public:
    explicit TSampleItem(TCollection* collection) : TCollectionItem(collection) {}
    void Assign(TPersistent* source) override;
    QString Caption;
    TColor Color = clBlack;
};

// A component of the fixture tree; Link may name another one.
class TSampleComponent : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QObject* Link MEMBER Link)
public:
    explicit TSampleComponent(TComponent* owner = nullptr) : TComponent(this, owner) {}
    ~TSampleComponent() override { Destroying(); }
    QObject* Link = nullptr;
    Q_INVOKABLE void ChangeHandler(QObject* sender) { ++Calls; }
    int Calls = 0;
};

class TSample : public QObject, public TKestJSONMethods {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Count MEMBER Count)
    Q_PROPERTY(uint Mask MEMBER Mask)
    Q_PROPERTY(qint64 Big MEMBER Big)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(float Scale MEMBER Scale)
    Q_PROPERTY(bool Flag MEMBER Flag)
    Q_PROPERTY(QString Text MEMBER Text)
    Q_PROPERTY(TColor Color MEMBER Color)
    Q_PROPERTY(SampleEnums::TShape Shape MEMBER Shape)
    Q_PROPERTY(SampleEnums::TMarks Marks MEMBER Marks)
    Q_PROPERTY(QString Fixed READ Fixed)
    Q_PROPERTY(QPoint Spot MEMBER Spot)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TSampleChild* Child READ Child)
    Q_PROPERTY(TSampleChild* Missing MEMBER Missing)
    Q_PROPERTY(TStrings* Lines READ Lines)
    Q_PROPERTY(TStringGenericList* Names READ Names)
    Q_PROPERTY(TIntegerGenericList* Numbers READ Numbers)
    Q_PROPERTY(TDoubleGenericList* Values READ Values)
    Q_PROPERTY(TObjectGenericList* Children READ Children)
    Q_PROPERTY(TObjectGenericDictionary* Named READ Named)
    Q_PROPERTY(TCollection* Items READ Items)
    Q_PROPERTY(TPicture* Picture READ Picture)
    Q_PROPERTY(QObject* Partner MEMBER Partner)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
public:
    Q_INVOKABLE TSample();
    ~TSample() override;

    QString Fixed() const { return QStringLiteral("fixed"); }
    TFont* Font() const { return FFont.get(); }
    TSampleChild* Child() const { return FChild.get(); }
    TStrings* Lines() const { return FLines.get(); }
    TStringGenericList* Names() const { return FNames.get(); }
    TIntegerGenericList* Numbers() const { return FNumbers.get(); }
    TDoubleGenericList* Values() const { return FValues.get(); }
    TObjectGenericList* Children() const { return FChildren.get(); }
    TObjectGenericDictionary* Named() const { return FNamed.get(); }
    TCollection* Items() const { return FItems.get(); }
    TPicture* Picture() const { return FPicture.get(); }
    TNotifyEvent GetOnChange() const { return OnChange; }
    void SetOnChange(const TNotifyEvent& value) { OnChange = value; }

    int Count = 0;
    uint Mask = 0;
    qint64 Big = 0;
    double Ratio = 0;
    float Scale = 1;
    bool Flag = false;
    QString Text;
    TColor Color = clBlack;
    SampleEnums::TShape Shape = SampleEnums::shCircle;
    SampleEnums::TMarks Marks;
    QPoint Spot;
    TSampleChild* Missing = nullptr;
    QObject* Partner = nullptr;
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TSampleChild> FChild;
    std::unique_ptr<TStrings> FLines;
    std::unique_ptr<TStringGenericList> FNames;
    std::unique_ptr<TIntegerGenericList> FNumbers;
    std::unique_ptr<TDoubleGenericList> FValues;
    std::unique_ptr<TObjectGenericList> FChildren;
    std::unique_ptr<TObjectGenericDictionary> FNamed;
    std::unique_ptr<TCollection> FItems;
    std::unique_ptr<TPicture> FPicture;
};

// An object whose Child is stored by reference id (its caption).
class TReferenceResolver : public QObject, public IKestObjectResolver {
    Q_OBJECT
public:
    std::unique_ptr<QObject> CreateInstance(const QString& className, const QMetaObject* baseClass) override;
    bool IsReferenceClass(const QMetaObject* classType) override;
    QString GetReferenceId(QObject* object) override;
    QObject* FindByReferenceId(const QString& id) override;
    void ItemRead(QObject* item, QObject* list) override { ++ItemsRead; }

    QHash<QString, QObject*> Known;
    int ItemsRead = 0;
};

// The fixture classes, registered for lookup by name.
void RegisterFixtureClasses();
