#include "styles/StyleEvents.h"

#include "framework/TypeInfo.h"

#include <QObject>
#include <QPointer>

namespace KestStyles {

void RegisterStyleEventTypes()
{
    TypeInfo::RegisterEventType<TApplyStyleEvent, QObject*, QObject*, bool*>(
        [](QObject* target, const QMetaMethod& method) {
            return TApplyStyleEvent([t = QPointer<QObject>(target), method](QObject* sender, QObject* component,
                                                                             bool& allow) {
                if (t)
                    method.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender),
                                  Q_ARG(QObject*, component), Q_ARG(bool*, &allow));
            });
        });
    TypeInfo::RegisterEventType<TAppliedStyleEvent, QObject*, QObject*>(
        [](QObject* target, const QMetaMethod& method) {
            return TAppliedStyleEvent([t = QPointer<QObject>(target), method](QObject* sender, QObject* component) {
                if (t)
                    method.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender),
                                  Q_ARG(QObject*, component));
            });
        });
}

}
