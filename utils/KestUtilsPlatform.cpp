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

std::unique_ptr<TStream> TKestUtils::GetResourceStream(const QString& AResourceName, quintptr AInstance)
{
    Q_UNUSED(AInstance);
    for (const QString& path : {QStringLiteral(":/rcdata/") + AResourceName, QStringLiteral(":/") + AResourceName}) {
        QFile file(path);
        if (!AResourceName.isEmpty() && file.open(QIODevice::ReadOnly)) {
            auto stream = std::make_unique<TMemoryStream>(file.readAll());
            stream->SetPosition(0);
            return stream;
        }
    }
    throw EResNotFound(Exception::Format(QString::fromLatin1(Messages::ResNotFound), AResourceName));
}

QString TKestUtils::GetTempPath() { return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::TempLocation)); }

QString TKestUtils::GetAppPath() { return WithSeparator(QCoreApplication::applicationDirPath()); }

QString TKestUtils::GetDocumentsPath()
{
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

bool TKestUtils::OpenFile(const QString& AFile, QWidget* AControlReference)
{
    Q_UNUSED(AControlReference);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(AFile));
}

bool TKestUtils::OpenURL(const QString& AURL) { return QDesktopServices::openUrl(QUrl::fromUserInput(AURL)); }

TCustomForm* TKestUtils::GetParentForm(QWidget* AControl) { return AControl ? TCustomForm::GetParentForm(AControl) : nullptr; }

TCustomForm* TKestUtils::GetOwnerForm(TComponent* AComponent)
{
    for (TComponent* c = AComponent ? AComponent->Owner() : nullptr; c; c = c->Owner())
        if (auto* form = qobject_cast<TCustomForm*>(c->Object()))
            return form;
    return nullptr;
}

TComponent* TKestUtils::Clone(TComponent* AComponent)
{
    if (!AComponent)
        return nullptr;
    const QObject* source = AComponent->Object();
    TComponent* copy = TypeInfo::CreateComponent(QString::fromLatin1(source->metaObject()->className()), AComponent->Owner());
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

void TKestUtils::Log(const QString& AMessage) { qCDebug(lcKestLog).noquote() << AMessage; }
