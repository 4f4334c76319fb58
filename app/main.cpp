// The sample application. With --editor the second window's bar can be
// edited (a click turns it into a path editor with auto-complete). With
// --styler the second window gets a form styler that follows the desktop's
// theme and a combo box that restyles it with any offered style. With
// --screenshot FILE it runs unattended: see app/Screenshot.h for the options
// that put the bar into a given state.

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "app/Screenshot.h"
#include "app/StylerOption.h"
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
        const bool editor = args.contains(QStringLiteral("--editor"));
        const bool styler = args.contains(QStringLiteral("--styler"));
        form->OnForm2Created = [editor, styler](TForm2* form2) {
            if (editor)
                form2->kestTree->SetEditorEnabled(true);
            if (styler)
                StylerOption::AddFormStyler(form2);
        };
        if (unattended)
            ScheduleScreenshot(form, args.at(at + 1), args);
        return app.Run();
    } catch (const std::exception& e) {
        app.HandleException(e);
        return 1;
    }
}
