#pragma once
// The one message box routine on Qt: a modal QMessageBox over the main window.

#include "platform/Prompt.h"

#include <QPointer>
#include <QWidget>

namespace dirforge::ui {

class QtPrompt : public platform::Prompt {
public:
    /// owner: the window the box is modal to (the main window once it exists).
    explicit QtPrompt(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    /// 48, 64, 16: OK with a warning, information or error icon; 292: Yes/No, No the default.
    /// Closing the box without a button answers No to a question and OK otherwise.
    platform::PromptButton show(const std::string& text, const std::string& title,
                                platform::MessageKind kind) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace dirforge::ui
