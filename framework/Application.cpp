#include "framework/Application.h"

#include "framework/Exception.h"
#include "framework/FrameworkModule.h"

#include <QMessageBox>
#include <cstdio>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv), TComponent(this, nullptr)
{
    setQuitOnLastWindowClosed(false);
    KestFramework::RegisterModule();
}

TApplication::~TApplication()
{
    // Forms go before the QApplication part they depend on.
    Destroying();
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
}

bool TApplication::IsWorkEvent(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Expose:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::PlatformSurface:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
    case QEvent::HoverMove:
    case QEvent::ChildPolished:
        return false;
    default:
        return true;
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    if (IsWorkEvent(event))
        ++FWorkEvents;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        HandleException(e);
    }
    return false;
}

void TApplication::HandleException(const std::exception& e)
{
    if (OnException)
        OnException(e);
    else
        ShowException(e);
}

void TApplication::ShowException(const std::exception& e)
{
    auto* ex = dynamic_cast<const Exception*>(&e);
    FLastExceptionMessage = ex ? ex->Message() : QString::fromUtf8(e.what());
    std::fprintf(stderr, "%s\n", FLastExceptionMessage.toLocal8Bit().constData());
    // A dialog needs a real display and someone to answer it.
    if (platformName() != QLatin1String("offscreen") && platformName() != QLatin1String("minimal"))
        QMessageBox::critical(activeWindow(), applicationDisplayName(), FLastExceptionMessage);
}

void TApplication::AdoptForm(TCustomForm* form)
{
    if (!FMainForm) {
        FMainForm = form;
        // The main window ends the program when it closes.
        connect(form, &QDialog::finished, this, [] { QCoreApplication::quit(); });
    }
}

int TApplication::Run()
{
    if (!FMainForm)
        return 0;
    FMainForm->Show();
    return exec();
}

TApplication* Application() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }
