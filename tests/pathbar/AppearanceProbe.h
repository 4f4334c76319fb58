#pragma once
// Every colour of the path bar's appearance records, by property path, so
// that a test can compare all of them at once.

#include "pathbar/ExpTreeviewAppearance.h"

#include <QMap>
#include <QMetaProperty>
#include <QString>

using TColorMap = QMap<QString, qint32>;

inline void CollectColors(const QObject* record, const QString& prefix, TColorMap& out)
{
    const QMetaObject* meta = record->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.metaType() == QMetaType::fromType<TColor>())
            out.insert(prefix + p.name(), p.read(record).value<TColor>().Value);
    }
}

inline TColorMap AllColors(const TExpTreeviewAppearance& a)
{
    TColorMap out;
    CollectColors(&a, QString(), out);
    CollectColors(a.ButtonAppearance(), QStringLiteral("ButtonAppearance."), out);
    out.insert(QStringLiteral("ButtonAppearance.Font.Color"), a.ButtonAppearance()->Font()->Color().Value);
    return out;
}

// Sets every colour of both records to one value, through the writers.
inline void PaintAll(TExpTreeviewAppearance& a, TColor value)
{
    for (QObject* record : {static_cast<QObject*>(&a), static_cast<QObject*>(a.ButtonAppearance())}) {
        const QMetaObject* meta = record->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (meta->property(i).metaType() == QMetaType::fromType<TColor>())
                meta->property(i).write(record, QVariant::fromValue(value));
    }
    a.ButtonAppearance()->Font()->SetColor(value);
}
