#include "framework/Button.h"

#include "framework/Form.h"

#include <QKeyEvent>

TButton::TButton(TComponent* owner) : QPushButton(nullptr), TControl(this, owner)
{
    // Enter goes to the focused control: a button is never pressed by Enter
    // typed into another control unless it is marked Default.
    setAutoDefault(false);
    resize(75, 25);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

TButton::~TButton() { Destroying(); }

void TButton::Click()
{
    if (TCustomForm* form = TCustomForm::GetParentForm(this); form && FModalResult != mrNone)
        form->SetModalResult(FModalResult);
    TControl::Click();
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    // The focused button takes Enter as it takes Space.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
