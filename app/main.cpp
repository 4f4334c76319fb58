// The sample application. With --screenshot FILE it opens the main window,
// presses its button, saves a picture of the second window to FILE and ends.

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "framework/Application.h"

#include <QTimer>
#include <cstdio>

namespace {

void ScheduleScreenshot(TForm1* main, const QString& file)
{
    QTimer::singleShot(300, main, [main, file] {
        // Form2 runs its own modal loop; the picture is taken from inside it.
        QTimer::singleShot(700, main, [main, file] {
            TForm2* form2 = main->form2;
            if (!form2) {
                std::fprintf(stderr, "Form2 did not open\n");
                QCoreApplication::exit(1);
                return;
            }
            bool saved = form2->grab().save(file, "PNG");
            std::fprintf(stdout, "%s %s\n", saved ? "Saved" : "Could not save", qPrintable(file));
            form2->SetModalResult(mrOk);
            QTimer::singleShot(0, main, [main, saved] {
                main->Close();
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
        main->Button1->click();
    });
}

}

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
        if (unattended)
            ScheduleScreenshot(form, args.at(at + 1));
        return app.Run();
    } catch (const std::exception& e) {
        app.HandleException(e);
        return 1;
    }
}
