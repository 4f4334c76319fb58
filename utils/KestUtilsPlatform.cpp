#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/Stream.h"
#include "framework/TypeInfo.h"
#include "framework/platform/PathSeparator.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QUrl>

Q_LOGGING_CATEGORY(lcKestLog, "kest.log")

namespace {

QString WithSeparator(const QString& folder)
{
    return folder.isEmpty() || folder.endsWith(kPathSeparator) ? folder : folder + kPathSeparator;
}

}

quintptr TKestUtils::GetHInstance()
{
    // Resources live in the program's resource system; 0 stands for it.
    return 0;
}

std::unique_ptr<TStream> TKestUtils::GetResourceStream(const QString& resourceName, quintptr instance)
{
    Q_UNUSED(instance);
    for (const QString& path : {QStringLiteral(":/rcdata/") + resourceName, QStringLiteral(":/") + resourceName}) {
        QFile file(path);
        if (!resourceName.isEmpty() && file.open(QIODevice::ReadOnly)) {
            auto stream = std::make_unique<TMemoryStream>(file.readAll());
            stream->SetPosition(0);
            return stream;
        }
    }
    throw EResNotFound(Exception::Format(QString::fromLatin1(Messages::ResNotFound), resourceName));
}

QString TKestUtils::GetTempPath() { return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::TempLocation)); }

QString TKestUtils::GetAppPath() { return WithSeparator(QCoreApplication::applicationDirPath()); }

QString TKestUtils::GetDocumentsPath()
{
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

bool TKestUtils::OpenFile(const QString& file, QWidget* controlReference)
{
    Q_UNUSED(controlReference);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool TKestUtils::OpenURL(const QString& url) { return QDesktopServices::openUrl(QUrl::fromUserInput(url)); }

TCustomForm* TKestUtils::GetParentForm(QWidget* control) { return control ? TCustomForm::GetParentForm(control) : nullptr; }

TCustomForm* TKestUtils::GetOwnerForm(TComponent* component)
{
    for (TComponent* c = component ? component->Owner() : nullptr; c; c = c->Owner())
        if (auto* form = qobject_cast<TCustomForm*>(c->Object()))
            return form;
    return nullptr;
}

TComponent* TKestUtils::Clone(TComponent* component)
{
    if (!component)
        return nullptr;
    const QObject* source = component->Object();
    TComponent* copy = TypeInfo::CreateComponent(QString::fromLatin1(source->metaObject()->className()), component->Owner());
    if (!copy)
        return nullptr;
    QObject* target = copy->Object();
    for (const QMetaProperty& p : TypeInfo::PublishedProperties(source->metaObject())) {
        if (TypeInfo::IsObjectProperty(p)) {
            auto* from = dynamic_cast<TPersistent*>(TypeInfo::ReadObject(source, p));
            auto* to = dynamic_cast<TPersistent*>(TypeInfo::ReadObject(target, p));
            if (from && to && from != to)
                to->Assign(from);
        } else if (p.isWritable() && qstrcmp(p.name(), "Name") != 0) {
            p.write(target, p.read(source));
        }
    }
    return copy;
}

void TKestUtils::Log(const QString& message) { qCDebug(lcKestLog).noquote() << message; }
