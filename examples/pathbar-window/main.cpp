// A window with a path bar showing a folder: the bar's arrows list the
// subfolders, the history button the folders visited, and a click on the
// free area turns the bar into a path editor with auto-complete.
//   pathbar_window [FOLDER] [--quit-after MS]
// With --quit-after the window closes by itself and the program prints the
// folder the bar shows (for unattended checks).

#include "framework/Application.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TCustomExplorerTreeview::RegisterModule();

    QStringList args = app.arguments();
    int quitAfter = -1;
    if (const qsizetype at = args.indexOf(QStringLiteral("--quit-after")); at >= 0 && at + 1 < args.size()) {
        quitAfter = args.at(at + 1).toInt();
        args.remove(at, 2);
    }
    const QString folder = args.size() > 1 ? args.at(1) : QDir::homePath();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Path bar"));
    window.resize(640, 120);
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new TKestExplorerTreeview(nullptr);
    layout->addWidget(bar);
    layout->addStretch();
    bar->SetEditorEnabled(true);
    bar->SetComponentStyle(tsWindows10);
    // The computer's folders, from the desktop down; then the one to show.
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    bar->SetSelectedFolder(folder, true);
    window.show();
    // The window is the program: closing it ends the program.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);

    if (quitAfter >= 0) {
        QTimer::singleShot(quitAfter, &window, [bar] {
            std::printf("%s\n", qPrintable(bar->GetSelectedFolder()));
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
