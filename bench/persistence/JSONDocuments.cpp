#include "JSONDocuments.h"

#include <QFile>
#include <QHash>
#include <cstdio>
#include <cstdlib>

QByteArray BenchDocument(const char* name)
{
    static QHash<QString, QByteArray> cache;
    QString key = QString::fromLatin1(name);
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    QByteArray folder = qgetenv("KEST_JSON_DATA");
    if (folder.isEmpty())
        folder = KEST_SOURCE_DIR "/../shared/data/json";
    QString path = QString::fromLocal8Bit(folder) + QLatin1Char('/') + key;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "JSON document not found: %s (set KEST_JSON_DATA to its folder)\n", qPrintable(path));
        std::exit(2);
    }
    return cache[key] = file.readAll();
}
