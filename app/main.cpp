// The sample application. With --editor the second window's bar can be
// edited (a click turns it into a path editor with auto-complete). With
// --screenshot FILE it runs unattended: see app/Screenshot.h for the options
// that put the bar into a given state.

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "app/Screenshot.h"
#include "framework/Application.h"

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    Program::RegisterModules();
    QStringList args = app.arguments();
    int at = int(args.indexOf(QStringLiteral("--screenshot")));
    const bool unattended = at >= 0 && at + 1 < args.size();
    if (unattended) // nobody is there to answer a message box
        app.OnException = [](const std::exception& e) { std::fprintf(stderr, "%s\n", e.what()); };
    try {
        TForm1* form = Program::CreateMainForm();
        if (args.contains(QStringLiteral("--editor")))
            form->OnForm2Created = [](TForm2* form2) { form2->kestTree->SetEditorEnabled(true); };
        if (unattended)
            ScheduleScreenshot(form, args.at(at + 1), args);
        return app.Run();
    } catch (const std::exception& e) {
        app.HandleException(e);
        return 1;
    }
}
