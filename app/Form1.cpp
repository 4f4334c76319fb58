#include "app/Form1.h"

#include "app/Form2.h"
#include "framework/Application.h"

void TForm1::FormCreate(QObject*) { form2 = nullptr; }

void TForm1::Button1Click(QObject*)
{
    // Loading Form2's folders lets the window thread handle input, so a
    // second click can arrive before the first one has shown the window.
    if (FOpening)
        return;
    FOpening = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FOpening};
    if (!form2) {
        form2 = Application()->CreateForm<TForm2>();
        if (OnForm2Created)
            OnForm2Created(form2);
    }
    form2->ShowModal();
}
