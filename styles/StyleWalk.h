#pragma once
// The order in which a styler visits a form's or a frame's components.
//
// A form is visited itself first; then each component it owns, in index
// order, a frame's own components before the frame. In a frame each
// component comes before its own components (the frame passed in is not
// visited). Handlers run during the walk may free components, the form or
// frame being walked, or the styler: the walk goes over snapshots of
// guarded pointers and stops once the styler is gone.

#include <QPointer>
#include <functional>

#pragma GCC visibility push(default)

class QObject;
class TComponent;
class TCustomForm;
class TFrame;

namespace KestStyles {

using TStyleVisit = std::function<void(TComponent* component)>;

// styler is the walking styler's object; the walk ends when it is freed.
void WalkForm(TCustomForm* form, const TStyleVisit& visit, const QPointer<QObject>& styler);
void WalkFrame(TFrame* frame, const TStyleVisit& visit, const QPointer<QObject>& styler);

}

#pragma GCC visibility pop
