#pragma once
// The push button; a button with a modal result closes its modal form.

#include "framework/Control.h"

#include <QPushButton>

#pragma GCC visibility push(default)

class TButton : public QPushButton, public TControl {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(KestEnums::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Default", "false")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Stored:Font", "IsFontStored")
    Q_CLASSINFO("Default:ModalResult", "0")
    Q_CLASSINFO("Default:ParentFont", "true")
    Q_CLASSINFO("Default:TabOrder", "-1")
    Q_CLASSINFO("Default:Visible", "true")

public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString& value) { setText(value); }
    bool Default() const { return isDefault(); }
    void SetDefault(bool value) { setDefault(value); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    Q_INVOKABLE bool IsFontStored() const { return TControl::IsFontStored(); }

    void Click() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FModalResult = 0;
};

#pragma GCC visibility pop
