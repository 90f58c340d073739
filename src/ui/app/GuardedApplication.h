#pragma once
// The Qt application with the program's catch-all: an exception that escapes an event handler
// is shown in an error box with its text and the program goes on.

#include <QApplication>

#include <exception>

namespace dirforge::platform {
class Prompt;
}

namespace dirforge::ui {

class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    /// The message box routine used for the error box; null means a plain QMessageBox.
    void setPrompt(platform::Prompt* prompt) { prompt_ = prompt; }

    /// Delivers the event; an exception from the receiver is shown and the event counts as
    /// unhandled.
    bool notify(QObject* receiver, QEvent* event) override;

    /// Shows the error box for an exception (also used for one escaping start-up or the loop).
    static void reportException(platform::Prompt* prompt, std::exception_ptr error);

private:
    platform::Prompt* prompt_ = nullptr;
};

} // namespace dirforge::ui
