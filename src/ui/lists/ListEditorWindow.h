#pragma once
// The shape the four list editors share: a memo with one entry per line, a line counter,
// OK, Cancel and Help. Each editor decides on OK how its list is rebuilt from the lines.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace dirforge::ui {

class ModalRunner;

/// The names and caption that make one editor out of the shared shape.
struct ListEditorNames {
    const char* windowName; ///< objectName of the window (its class name)
    const char* caption;
    const char* memoName;
    const char* counterName;
};

class ListEditorWindow : public QDialog {
    Q_OBJECT
public:
    ListEditorWindow(const ListEditorNames& names, ModalRunner& runner, QWidget* parent);

    /// Empties the memo and fills it with entries, one per line.
    void setLines(const std::vector<std::string>& entries);
    /// Fills the memo from entries and runs the editor modally; true when it closed with OK.
    bool edit(const std::vector<std::string>& entries);
    /// The memo's lines as a list box sees them (no empty last line after a final line end).
    std::vector<std::string> lines() const;
    /// What the Help button opens (set by the main window).
    void setHelpHandler(std::function<void()> onHelp) { onHelp_ = std::move(onHelp); }

protected:
    /// Rebuilds the edited list from the memo's lines; true closes the editor with OK.
    virtual bool acceptLines(const std::vector<std::string>& lines) = 0;

private:
    void okClicked();
    void cancelClicked();
    void showLineCount();

    ModalRunner& runner_;
    QPlainTextEdit* memo_;
    QLabel* counter_;
    std::function<void()> onHelp_;
};

} // namespace dirforge::ui
