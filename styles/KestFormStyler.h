#pragma once
// The form styler: a non-visual component on a form that pushes one named
// style to every component of its form that accepts one. So far it holds
// what the style functions read: whether it is enabled and its style.

#include "framework/Component.h"
#include "styles/ZPXStyle.h"

#include <QObject>

class TKestFormStyler : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(KestStyles::TZPXStyle Style READ Style WRITE SetStyle)
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:Style", "tsCustom")

public:
    explicit TKestFormStyler(TComponent* AOwner);
    ~TKestFormStyler() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TZPXStyle Style() const { return FStyle; }
    void SetStyle(TZPXStyle Value);

private:
    TZPXStyle FStyle = tsCustom;
    bool FEnabled = true;
};
