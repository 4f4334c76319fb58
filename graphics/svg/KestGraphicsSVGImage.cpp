#include "graphics/svg/KestGraphicsSVGImage.h"

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "pictures/KestBitmap.h"
#include "utils/KestUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

thread_local int Nesting = 0;

class TNestingGuard {
public:
    TNestingGuard() { ++Nesting; }
    ~TNestingGuard() { --Nesting; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;
};

QByteArray DataBytes(const QString& reference)
{
    const qsizetype marker = reference.indexOf(QLatin1String(";base64,"));
    if (marker < 0)
        return QByteArray();
    // Documents often wrap long base 64 text over several lines.
    QString text = reference.mid(marker + 8);
    text.removeIf([](QChar c) { return c.isSpace(); });
    return TKestUtils::Decode64ToBytes(text);
}

QByteArray FileBytes(const QString& reference, const QString& baseFolder)
{
    QString name = reference.trimmed();
    if (name.isEmpty())
        return QByteArray();
    if (!baseFolder.isEmpty() && QFileInfo(name).isRelative())
        name = QDir(baseFolder).filePath(name);
    // isFile follows links and is false for devices, pipes and folders.
    const QFileInfo info(name);
    if (!info.isFile() || info.size() > TKestGraphicsSVGImage::MaxFileBytes)
        return QByteArray();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // The size may have changed since it was looked at.
    return file.read(TKestGraphicsSVGImage::MaxFileBytes + 1);
}

}

void TKestGraphicsSVGImage::Load(TKestGraphicsSVGElement& element, const QString& reference, const QString& baseFolder)
{
    if (Nesting >= MaxNesting)
        return;
    TNestingGuard guard;
    try {
        const QByteArray bytes = reference.startsWith(QLatin1String("data:")) ? DataBytes(reference)
                                                                              : FileBytes(reference, baseFolder);
        if (bytes.isEmpty() || bytes.size() > MaxFileBytes)
            return;
        TMemoryStream stream(bytes);
        element.Bitmap()->LoadFromStream(stream);
    } catch (const Exception&) {
        // A picture the document cannot show; the rest of it still loads.
        element.FBitmap.reset();
    }
}
