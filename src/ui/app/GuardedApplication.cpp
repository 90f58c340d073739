#include "ui/app/GuardedApplication.h"

#include "platform/Prompt.h"
#include "ui/app/AppInfo.h"
#include "ui/common/QtText.h"

#include <QMessageBox>

#include <string>

namespace dirforge::ui {

namespace {

std::string DescribeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "An unknown error occurred.";
    }
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException(prompt_, std::current_exception());
        return false;
    }
}

void GuardedApplication::reportException(platform::Prompt* prompt, std::exception_ptr error) {
    const std::string text = DescribeException(error);
    if (prompt != nullptr) {
        try {
            prompt->show(text, kProductName, platform::MessageKind::Error);
            return;
        } catch (...) {
            // The message box routine itself failed: fall back to a plain box below.
        }
    }
    QMessageBox::critical(nullptr, QString::fromLatin1(kProductName), ToQt(text));
}

} // namespace dirforge::ui
