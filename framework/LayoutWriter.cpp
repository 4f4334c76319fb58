#include "framework/LayoutWriter.h"

#include "framework/Component.h"
#include "framework/Filer.h"
#include "framework/Stream.h"
#include "framework/TypeInfo.h"

#include <QWidget>

namespace {

class ValueWriter : public TWriter {
public:
    explicit ValueWriter(TLayoutValue& out) : FOut(out) {}
    void WriteInteger(qint64 value) override { FOut = TLayoutValue::Integer(value); }
    void WriteString(const QString& value) override { FOut = TLayoutValue::String(value); }
    void WriteBoolean(bool value) override
    {
        FOut = TLayoutValue::Ident(value ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void WriteIdent(const QString& value) override { FOut = TLayoutValue::Ident(value); }

private:
    TLayoutValue& FOut;
};

// Collects the properties a persistent object defines itself.
class DefinedPropertyWriter : public TFiler {
public:
    DefinedPropertyWriter(const QString& prefix, std::vector<TLayoutProperty>& out) : FPrefix(prefix), FOut(out) {}

    void DefineProperty(const QString& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) override
    {
        if (!hasData || !writeData)
            return;
        TLayoutProperty p;
        p.path = FPrefix + name;
        ValueWriter writer(p.value);
        writeData(writer);
        FOut.push_back(std::move(p));
    }
    void DefineBinaryProperty(const QString& name, const TStreamProc&, const TStreamProc& writeData,
                              bool hasData) override
    {
        if (!hasData || !writeData)
            return;
        TMemoryStream stream;
        writeData(stream);
        FOut.push_back({FPrefix + name, TLayoutValue::Binary(stream.Bytes()), 0});
    }

private:
    QString FPrefix;
    std::vector<TLayoutProperty>& FOut;
};

void WriteProperties(QObject* object, const QString& prefix, std::vector<TLayoutProperty>& out, int depth)
{
    if (depth > 16)
        return; // a cycle between sub-objects would never end
    for (const QMetaProperty& prop : TypeInfo::PublishedProperties(object->metaObject())) {
        if (!TypeInfo::IsStored(object, prop))
            continue;
        QString path = prefix + QLatin1String(prop.name());
        if (TypeInfo::IsEventType(prop.metaType())) {
            QString method = object->property(TypeInfo::EventBindingKey(prop.name()).constData()).toString();
            out.push_back({path, TLayoutValue::Ident(method), 0});
            continue;
        }
        if (TypeInfo::IsObjectProperty(prop)) {
            QObject* sub = TypeInfo::ReadObject(object, prop);
            if (TComponent* component = AsComponent(sub)) {
                if (!component->Name().isEmpty())
                    out.push_back({path, TLayoutValue::Ident(component->Name()), 0});
            } else if (sub) {
                WriteProperties(sub, path + u'.', out, depth + 1);
            }
            continue;
        }
        if (auto value = TypeInfo::FromPropertyValue(prop, prop.read(object)))
            out.push_back({path, *value, 0});
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(object)) {
        DefinedPropertyWriter filer(prefix, out);
        persistent->DefineProperties(&filer);
    }
}

TLayoutObject WriteComponent(TComponent* component, TComponent* root)
{
    TLayoutObject obj;
    obj.name = component->Name();
    obj.className = component->ClassName();
    // An unnamed root still needs a name to be read back.
    if (obj.name.isEmpty())
        obj.name = obj.className.mid(1);
    WriteProperties(component->Object(), QString(), obj.properties, 0);
    // Owned components whose parent control is this one (non-visual ones go
    // inside their parent component, or at the root), in the order they were
    // created.
    auto* widget = qobject_cast<QWidget*>(component->Object());
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        auto* childWidget = qobject_cast<QWidget*>(c->Object());
        QWidget* parent = childWidget ? childWidget->parentWidget() : nullptr;
        TComponent* parentComponent = childWidget ? nullptr : c->GetParentComponent();
        bool belongsHere = childWidget ? parent == widget && widget
                                       : (parentComponent ? parentComponent == component : component == root);
        if (childWidget && component == root && !parent)
            belongsHere = true;
        if (belongsHere && c != component && !c->Name().isEmpty())
            obj.children.push_back(WriteComponent(c, root));
    }
    return obj;
}

}

TLayoutObject TLayoutWriter::WriteRoot(TComponent* root) { return WriteComponent(root, root); }

QString TLayoutWriter::WriteRootText(TComponent* root) { return LayoutText::Write(WriteRoot(root)); }
