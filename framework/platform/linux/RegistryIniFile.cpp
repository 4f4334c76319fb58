#include "framework/platform/linux/RegistryIniFile.h"

#include <QRegularExpression>
#include <QStringList>

namespace Platform {

namespace {

QString Unquote(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        return text.mid(1, text.size() - 2);
    return text;
}

TRegistryValue ParseValue(const QString& raw)
{
    const QString text = raw.trimmed();
    bool ok = false;
    if (text.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const quint32 number = text.mid(6).toUInt(&ok, 16);
        if (ok)
            return qint32(number);
    }
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    if (decimal.match(text).hasMatch()) {
        const qint32 number = text.toInt(&ok);
        if (ok)
            return number;
    }
    return Unquote(text);
}

}

TRegistryIni ParseRegistryIni(const QString& text)
{
    TRegistryIni ini;
    TRegistryIniKey* section = nullptr;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = &ini[line.mid(1, line.size() - 2).trimmed().toLower()];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!section || equals <= 0)
            continue;
        (*section)[Unquote(line.left(equals)).toLower()] = ParseValue(line.mid(equals + 1));
    }
    return ini;
}

}
