#include "styles/StyleWalk.h"

#include "framework/Form.h"
#include "framework/Frame.h"

#include <vector>

namespace KestStyles {

namespace {

using TSnapshot = std::vector<QPointer<QObject>>;

TSnapshot OwnedComponents(TComponent* owner)
{
    TSnapshot items;
    items.reserve(size_t(owner->ComponentCount()));
    for (int i = 0; i < owner->ComponentCount(); ++i)
        items.emplace_back(owner->Components(i)->Object());
    return items;
}

// The component behind a guarded pointer, or null once it is gone.
TComponent* Live(const QPointer<QObject>& object) { return object ? AsComponent(object.data()) : nullptr; }

TFrame* AsFrame(TComponent* component) { return dynamic_cast<TFrame*>(component); }

}

void WalkForm(TCustomForm* form, const TStyleVisit& visit, const QPointer<QObject>& styler)
{
    const QPointer<QObject> guard(form);
    visit(form);
    if (!styler || !guard)
        return;
    for (const QPointer<QObject>& item : OwnedComponents(form)) {
        if (TFrame* frame = AsFrame(Live(item)))
            WalkFrame(frame, visit, styler);
        if (!styler)
            return;
        if (TComponent* component = Live(item))
            visit(component);
        if (!styler)
            return;
    }
}

void WalkFrame(TFrame* frame, const TStyleVisit& visit, const QPointer<QObject>& styler)
{
    for (const QPointer<QObject>& item : OwnedComponents(frame)) {
        if (TComponent* component = Live(item))
            visit(component);
        if (!styler)
            return;
        if (TFrame* inner = AsFrame(Live(item)))
            WalkFrame(inner, visit, styler);
        if (!styler)
            return;
    }
}

}
