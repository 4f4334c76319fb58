#pragma once
// Forms: top-level windows built from a stored layout, shown normally or
// modally; a modal form closes when its modal result is set.

#include "framework/Control.h"

#include <QDialog>

#pragma GCC visibility push(default)

class TCustomForm : public QDialog, public TControl {
    Q_OBJECT
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Creates a form of class T: the constructor runs, then the stored layout
    // of the class ("<class name>.layout" among the layout resources) is read
    // into it, then OnCreate fires.
    template <typename T>
    static T* Create(TComponent* owner)
    {
        auto* form = new T(owner);
        form->InitFromLayout();
        form->DoCreate();
        return form;
    }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& value) { setWindowTitle(value); }
    int ClientWidth() const { return width(); }
    void SetClientWidth(int value) { resize(value, height()); }
    int ClientHeight() const { return height(); }
    void SetClientHeight(int value) { resize(width(), value); }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int value) { FTextHeight = value; }
    // Whether the form follows the resolution of its screen.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }

    int ModalResult() const { return FModalResult; }
    // A non-zero result closes a modal form with that result.
    void SetModalResult(int value);
    int ShowModal();
    void Show();
    void Close();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnDestroy;
    TNotifyEvent GetOnCreate() const { return OnCreate; }
    void SetOnCreate(const TNotifyEvent& e) { OnCreate = e; }
    TNotifyEvent GetOnShow() const { return OnShow; }
    void SetOnShow(const TNotifyEvent& e) { OnShow = e; }
    TNotifyEvent GetOnDestroy() const { return OnDestroy; }
    void SetOnDestroy(const TNotifyEvent& e) { OnDestroy = e; }

    void Loaded() override;
    void InitFromLayout();

    // The nearest form that contains a widget (the widget itself if a form).
    static TCustomForm* GetParentForm(QWidget* widget);

protected:
    void DoCreate();
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void ColorChanged() override;

private:
    void ApplyTabOrder();

    int FModalResult = 0;
    int FTextHeight = 0;
    bool FScaled = true;
};

// The form class stored layouts name as the base of application forms.
class TForm : public TCustomForm {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(TNotifyEvent OnCreate READ GetOnCreate WRITE SetOnCreate)
    Q_PROPERTY(TNotifyEvent OnShow READ GetOnShow WRITE SetOnShow)
    Q_PROPERTY(TNotifyEvent OnDestroy READ GetOnDestroy WRITE SetOnDestroy)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)
    Q_CLASSINFO("Default:Scaled", "true")

public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
};

#pragma GCC visibility pop
