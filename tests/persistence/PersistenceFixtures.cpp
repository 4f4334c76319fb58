#include "PersistenceFixtures.h"

#include "framework/Stream.h"
#include "framework/TypeInfo.h"
#include "persistence/KestPersistence.h"

void TSampleChild::Assign(TPersistent* source)
{
    if (auto* child = dynamic_cast<TSampleChild*>(source)) {
        Caption = child->Caption;
        Weight = child->Weight;
        return;
    }
    TPersistent::Assign(source);
}

void TSampleItem::Assign(TPersistent* source)
{
    if (auto* item = dynamic_cast<TSampleItem*>(source)) {
        Caption = item->Caption;
        Color = item->Color;
        return;
    }
    TCollectionItem::Assign(source);
}

TSample::TSample()
    : FFont(std::make_unique<TFont>()),
      FChild(std::make_unique<TSampleChild>()),
      FLines(std::make_unique<TStrings>()),
      FNames(std::make_unique<TStringGenericList>()),
      FNumbers(std::make_unique<TIntegerGenericList>()),
      FValues(std::make_unique<TDoubleGenericList>()),
      FChildren(std::make_unique<TObjectGenericList>(&TSampleChild::staticMetaObject)),
      FNamed(std::make_unique<TObjectGenericDictionary>(&TSampleChild::staticMetaObject)),
      FItems(std::make_unique<TCollection>(TCollectionItemClass::Of<TSampleItem>())),
      FPicture(std::make_unique<TPicture>())
{
}

TSample::~TSample() = default;

std::unique_ptr<QObject> TReferenceResolver::CreateInstance(const QString& className, const QMetaObject* baseClass)
{
    return TKestPersistence::CreateObject(className, baseClass);
}

bool TReferenceResolver::IsReferenceClass(const QMetaObject* classType)
{
    return classType->inherits(&TSampleChild::staticMetaObject);
}

QString TReferenceResolver::GetReferenceId(QObject* object) { return static_cast<TSampleChild*>(object)->Caption; }

QObject* TReferenceResolver::FindByReferenceId(const QString& id) { return Known.value(id); }

void RegisterFixtureClasses()
{
    TypeInfo::RegisterObjectClass<TOrderSample>();
    TypeInfo::RegisterObjectClass<TSampleChild>();
    TypeInfo::RegisterObjectClass<TSampleItem>();
    TypeInfo::RegisterObjectClass<TSample>();
    TypeInfo::RegisterClass<TSampleComponent>();
}

QString Save(QObject* object)
{
    TMemoryStream stream;
    TKestPersistence::SaveSettingsToStream(object, stream);
    return QString::fromUtf8(stream.Bytes());
}

void Load(QObject* object, const QString& json)
{
    TMemoryStream stream(json.toUtf8());
    TKestPersistence::LoadSettingsFromStream(object, stream);
}
