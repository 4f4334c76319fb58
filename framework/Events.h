#pragma once
// Event types: assignable callbacks. Stored layouts bind them to methods of
// the form by name (see TypeInfo's event binders).

#include <QMetaType>
#include <functional>

class QObject;

using TNotifyEvent = std::function<void(QObject* Sender)>;
Q_DECLARE_METATYPE(TNotifyEvent)
