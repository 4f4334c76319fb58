#pragma once
// The application object: owns the forms created through it, runs the event
// loop, and reports an exception that escapes an event handler instead of
// letting it end the program.

#include "framework/Component.h"

#include <QApplication>
#include <functional>

#pragma GCC visibility push(default)

class Exception;
class TCustomForm;

class TApplication : public QApplication, public TComponent {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports an exception caught from an event handler: OnException when
    // assigned, otherwise ShowException.
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    std::function<void(const std::exception&)> OnException;

    // Creates a form of class T owned by the application; the first form
    // created becomes the main form.
    template <typename T>
    T* CreateForm();

    TCustomForm* MainForm() const { return FMainForm; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }

    // Runs the event loop until the main form closes.
    int Run();

    // How many events that may run program code (input, timers, queued
    // calls; not painting) have been delivered so far.
    static quint64 WorkEventCount() { return FWorkEvents; }

    // The last message reported by ShowException (for diagnostics and tests).
    const QString& LastExceptionMessage() const { return FLastExceptionMessage; }

private:
    void AdoptForm(TCustomForm* form);

    static bool IsWorkEvent(const QEvent* event);

    static inline quint64 FWorkEvents = 0;
    TCustomForm* FMainForm = nullptr;
    bool FMainFormOnTaskBar = false;
    QString FLastExceptionMessage;
};

// The one application object, as a typed pointer.
TApplication* Application();

#include "framework/Form.h"

template <typename T>
T* TApplication::CreateForm()
{
    T* form = TCustomForm::Create<T>(this);
    AdoptForm(form);
    return form;
}

#pragma GCC visibility pop
