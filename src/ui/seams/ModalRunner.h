#pragma once
// Every window of our own that is shown modally is shown through this runner, so a test can
// fill the window and accept it instead of waiting for a user.

class QDialog;

namespace dirforge::ui {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    /// Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int run(QDialog& dialog);
};

} // namespace dirforge::ui
