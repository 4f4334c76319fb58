#pragma once
// The events a form styler fires around each component it styles.

#include <QMetaType>
#include <functional>

#pragma GCC visibility push(default)

class QObject;

namespace KestStyles {

// Before a component takes a style or tones; allow arrives set, and
// clearing it skips that component.
using TApplyStyleEvent = std::function<void(QObject* sender, QObject* component, bool& allow)>;
// After a component took a style or tones.
using TAppliedStyleEvent = std::function<void(QObject* sender, QObject* component)>;

// Lets stored layouts bind both events to methods of their form:
// void StylerApplyStyle(QObject* sender, QObject* component, bool* allow),
// void StylerAppliedStyle(QObject* sender, QObject* component).
void RegisterStyleEventTypes();

}

using KestStyles::TAppliedStyleEvent;
using KestStyles::TApplyStyleEvent;

Q_DECLARE_METATYPE(KestStyles::TApplyStyleEvent)
Q_DECLARE_METATYPE(KestStyles::TAppliedStyleEvent)

#pragma GCC visibility pop
