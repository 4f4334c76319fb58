#pragma once
// The frame: a container control that owns the components placed on it and
// can itself sit on a form or in another frame, so that a group of controls
// is built once and reused.

#include "framework/Control.h"

#include <QWidget>

#pragma GCC visibility push(default)

class TFrame : public QWidget, public TControl {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(KestEnums::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Color", "clBtnFace")
    Q_CLASSINFO("Default:TabOrder", "-1")
    Q_CLASSINFO("Default:Visible", "true")

public:
    explicit TFrame(TComponent* owner);
    ~TFrame() override;
};

#pragma GCC visibility pop
