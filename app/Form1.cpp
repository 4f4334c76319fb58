#include "app/Form1.h"

#include "app/Form2.h"
#include "framework/Application.h"

void TForm1::FormCreate(QObject*) { form2 = nullptr; }

void TForm1::Button1Click(QObject*)
{
    if (!form2)
        form2 = Application()->CreateForm<TForm2>();
    form2->ShowModal();
}
