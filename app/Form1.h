#pragma once
// The main window: one button that creates the second window the first time
// and shows it modally every time.

#include "framework/Button.h"
#include "framework/Form.h"

#include <functional>

class TForm2;

class TForm1 : public TForm {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TButton* Button1 MEMBER Button1 STORED false)
public:
    explicit TForm1(TComponent* owner) : TForm(owner) {}

    TButton* Button1 = nullptr;
    // Owned by the application, which keeps it until the program ends.
    TForm2* form2 = nullptr;
    // Called once the second window has been created, before it shows.
    std::function<void(TForm2*)> OnForm2Created;

    Q_INVOKABLE void FormCreate(QObject* sender);
    Q_INVOKABLE void Button1Click(QObject* sender);

private:
    bool FOpening = false;
};
