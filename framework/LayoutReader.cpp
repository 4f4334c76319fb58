#include "framework/LayoutReader.h"

#include "framework/Component.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Stream.h"
#include "framework/TypeInfo.h"

#include <QWidget>

namespace {

// Hands one stored value to a class's own reader procedure.
class ValueReader : public TReader {
public:
    ValueReader(const TLayoutValue& value, const QString& name) : FValue(value), FName(name) {}
    qint64 ReadInteger() override
    {
        Expect(TLayoutValue::vkInteger);
        return FValue.integer;
    }
    QString ReadString() override
    {
        Expect(TLayoutValue::vkString);
        return FValue.text;
    }
    bool ReadBoolean() override
    {
        QString ident = ReadIdent();
        if (ident.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (ident.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        throw EReadError(QStringLiteral("invalid value for property \"%1\"").arg(FName));
    }
    QString ReadIdent() override
    {
        Expect(TLayoutValue::vkIdent);
        return FValue.text;
    }

private:
    void Expect(TLayoutValue::Kind kind)
    {
        if (FValue.kind != kind)
            throw EReadError(QStringLiteral("invalid value for property \"%1\"").arg(FName));
    }
    const TLayoutValue& FValue;
    QString FName;
};

// Finds the defined property of a persistent object named like the stored
// one and runs its reader.
class DefinedPropertyReader : public TFiler {
public:
    DefinedPropertyReader(const QString& name, const TLayoutValue& value) : FName(name), FValue(value) {}
    bool Found() const { return FFound; }

    void DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc&, bool) override
    {
        if (FFound || name.compare(FName, Qt::CaseInsensitive) != 0 || !readData)
            return;
        FFound = true;
        ValueReader reader(FValue, name);
        readData(reader);
    }
    void DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc&, bool) override
    {
        if (FFound || name.compare(FName, Qt::CaseInsensitive) != 0 || !readData)
            return;
        FFound = true;
        if (FValue.kind != TLayoutValue::vkBinary)
            throw EReadError(QStringLiteral("property \"%1\" expects binary data").arg(name));
        TMemoryStream stream(FValue.bytes);
        readData(stream);
    }

private:
    QString FName;
    const TLayoutValue& FValue;
    bool FFound = false;
};

struct Fixup {
    QObject* object;
    QMetaProperty property;
    QString componentName;
    int line;
};

class Reader {
public:
    Reader(TComponent* root, const QString& source) : FRoot(root), FSource(source) {}

    void Read(const TLayoutObject& layout)
    {
        QString rootClass = FRoot->ClassName();
        if (layout.className.compare(rootClass, Qt::CaseInsensitive) != 0)
            Fail(layout.line, QStringLiteral("the layout is of class %1, not %2").arg(layout.className, rootClass));
        Begin(FRoot);
        if (FRoot->Name().isEmpty())
            FRoot->SetName(layout.name);
        ReadObject(layout, FRoot);
        ResolveFixups();
        for (TComponent* c : FLoaded)
            c->SetReading(false);
        for (TComponent* c : FLoaded)
            c->Loaded();
    }

private:
    [[noreturn]] void Fail(int line, const QString& detail) { LayoutText::Error(FSource, line, detail); }

    void Begin(TComponent* c)
    {
        c->SetLoading(true);
        c->SetReading(true);
        FLoaded.push_back(c);
    }

    void ReadObject(const TLayoutObject& layout, TComponent* component)
    {
        for (const TLayoutProperty& p : layout.properties)
            ReadProperty(component->Object(), p);
        for (const TLayoutObject& child : layout.children)
            ReadChild(child, component);
    }

    void ReadChild(const TLayoutObject& layout, TComponent* parent)
    {
        if (!TypeInfo::FindClass(layout.className))
            Fail(layout.line, QStringLiteral("class %1 not found").arg(layout.className));
        if (FRoot->FindComponent(layout.name))
            Fail(layout.line, QStringLiteral("a component named %1 already exists").arg(layout.name));
        TComponent* child = TypeInfo::CreateComponent(layout.className, FRoot);
        child->SetDesigning(FRoot->IsDesigning());
        Begin(child);
        child->SetName(layout.name);
        auto* childWidget = qobject_cast<QWidget*>(child->Object());
        auto* parentWidget = qobject_cast<QWidget*>(parent->Object());
        if (childWidget && parentWidget) {
            if (TControl* control = AsControl(childWidget))
                control->SetParent(parentWidget);
            else
                childWidget->setParent(parentWidget);
        } else {
            child->SetParentComponent(parent);
        }
        // A published field of the root with the component's name points to it.
        if (auto field = TypeInfo::FindPublishedProperty(FRoot->Object()->metaObject(), layout.name);
            field && TypeInfo::IsObjectProperty(*field))
            field->write(FRoot->Object(), QVariant::fromValue(child->Object()));
        ReadObject(layout, child);
    }

    void ReadProperty(QObject* target, const TLayoutProperty& p)
    {
        QStringList parts = p.path.split(u'.');
        QObject* object = target;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            auto prop = TypeInfo::FindPublishedProperty(object->metaObject(), parts[i]);
            QObject* sub = prop && TypeInfo::IsObjectProperty(*prop) ? TypeInfo::ReadObject(object, *prop) : nullptr;
            if (!sub)
                Fail(p.line, QStringLiteral("%1 has no object property \"%2\"")
                                 .arg(QLatin1String(object->metaObject()->className()), parts[i]));
            object = sub;
        }
        try {
            SetValue(object, parts.last(), p);
        } catch (const ELayoutError&) {
            throw;
        } catch (const Exception& e) {
            Fail(p.line, e.Message());
        }
    }

    void SetValue(QObject* object, const QString& name, const TLayoutProperty& p)
    {
        auto prop = TypeInfo::FindPublishedProperty(object->metaObject(), name);
        if (!prop) {
            ReadDefinedProperty(object, name, p);
            return;
        }
        if (TypeInfo::IsEventType(prop->metaType())) {
            BindEvent(object, *prop, p);
            return;
        }
        if (TypeInfo::IsObjectProperty(*prop)) {
            if (p.value.kind != TLayoutValue::vkIdent)
                Fail(p.line, QStringLiteral("property \"%1\" expects a component name").arg(name));
            FFixups.push_back({object, *prop, p.value.text, p.line});
            return;
        }
        QString error;
        QVariant v = TypeInfo::ToPropertyValue(*prop, p.value, &error);
        if (!v.isValid())
            Fail(p.line, error);
        if (!prop->write(object, v))
            Fail(p.line, QStringLiteral("property \"%1\" cannot be written").arg(name));
    }

    void ReadDefinedProperty(QObject* object, const QString& name, const TLayoutProperty& p)
    {
        auto* persistent = dynamic_cast<TPersistent*>(object);
        DefinedPropertyReader filer(name, p.value);
        if (persistent)
            persistent->DefineProperties(&filer);
        if (!filer.Found())
            Fail(p.line, QStringLiteral("%1 has no property \"%2\"")
                             .arg(QLatin1String(object->metaObject()->className()), name));
    }

    void BindEvent(QObject* object, const QMetaProperty& prop, const TLayoutProperty& p)
    {
        if (p.value.kind != TLayoutValue::vkIdent)
            Fail(p.line, QStringLiteral("event \"%1\" expects a method name").arg(QLatin1String(prop.name())));
        auto method = TypeInfo::FindMethod(FRoot->Object(), p.value.text, prop.metaType());
        if (!method)
            Fail(p.line, QStringLiteral("method %1 not found in %2").arg(p.value.text, FRoot->ClassName()));
        if (!TypeInfo::FitsEvent(prop.metaType(), *method))
            Fail(p.line, QStringLiteral("method %1 does not fit event \"%2\", whose handler takes %3")
                             .arg(QString::fromLatin1(method->methodSignature()), QLatin1String(prop.name()),
                                  TypeInfo::HandlerSignature(prop.metaType())));
        prop.write(object, TypeInfo::BindEvent(prop.metaType(), FRoot->Object(), *method));
        object->setProperty(TypeInfo::EventBindingKey(prop.name()).constData(), p.value.text);
    }

    void ResolveFixups()
    {
        for (const Fixup& f : FFixups) {
            TComponent* target = FRoot->FindComponent(f.componentName);
            if (!target)
                Fail(f.line, QStringLiteral("component %1 not found").arg(f.componentName));
            if (!f.property.write(f.object, QVariant::fromValue(target->Object())))
                Fail(f.line, QStringLiteral("%1 cannot be assigned to \"%2\"")
                                 .arg(f.componentName, QLatin1String(f.property.name())));
        }
    }

    TComponent* FRoot;
    QString FSource;
    std::vector<TComponent*> FLoaded;
    std::vector<Fixup> FFixups;
};

}

void TLayoutReader::ReadRoot(const QString& text, TComponent* root, const QString& source)
{
    ReadRoot(LayoutText::Parse(text, source), root, source);
}

void TLayoutReader::ReadRoot(const TLayoutObject& layout, TComponent* root, const QString& source)
{
    Reader(root, source).Read(layout);
}
