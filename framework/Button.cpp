#include "framework/Button.h"

#include "framework/Form.h"

TButton::TButton(TComponent* AOwner) : QPushButton(nullptr), TControl(this, AOwner)
{
    // Enter goes to the focused control; only a button marked Default takes it.
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
