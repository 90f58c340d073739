#pragma once
// The destination of the strings and numbers pages: the history box, "Browse" and "View". The
// group tells its page by signals whether a destination was taken; the one thing it asks, the
// checked copy variant for the level summary, it reads through CopyVariantSource (the attach
// group), so that the question cannot change the page.

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace dirforge::ui {

class AppContext;
class CopyVariantSource;
struct PageRow;

/// cboVol0XDestFolders with btnVol0XAddDestFolder and btnVol0XViewDestFolder.
class DestinationGroup : public QWidget {
    Q_OBJECT
public:
    DestinationGroup(const PageRow& row, AppContext& context, const CopyVariantSource& variants,
                     QWidget* parent = nullptr);

    /// The destination as selected (untrimmed).
    std::string destination() const;
    /// The box's entries in order.
    std::vector<std::string> entries() const;
    /// Start-up: the restored history, non-empty entries each once ignoring case, nothing selected.
    void restoreHistory(const std::vector<std::string>& history);
    /// After a real run: the destination first and selected, the rest in order
    /// (UpdateDestinationHistory).
    void moveDestinationToTop();
    /// Clear All: no entries, no history.
    void clear();
    /// A profile's history and destination: the destination selected (first when it was not in
    /// the history) and taken without the level summary; true when there is one.
    bool restoreDestination(const std::vector<std::string>& history,
                            const std::string& destination);

    /// Shows the level summary, then takes a trimmed non-empty path as the page's destination.
    /// A host path or one with forward slashes is taken in drive form; a host path on no mapped
    /// drive is refused with a message and the destination stays as it was.
    void SetDestination(const std::string& typed);
    void btnAddDestFolderClick();
    void cboDestFoldersSelect(int index);
    void btnViewDestFolderClick();

    QComboBox* box() const { return cboDestFolders_; }
    QPushButton* viewButton() const { return btnViewDestFolder_; }

signals:
    /// A destination was taken (chosen, browsed, pasted or restored from a profile).
    void accepted();
    /// An empty destination was chosen (before its warning is shown); earlierKept tells whether
    /// an earlier destination stays selected.
    void emptyChosen(bool earlierKept);

protected:
    /// Ctrl+V on the box: the clipboard's path is taken as the destination.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Replaces the entries and selects the first one (-1: none).
    void Fill(const std::vector<std::string>& entries, int selected);

    const PageRow& row_;
    AppContext& context_;
    const CopyVariantSource& variants_;
    QComboBox* cboDestFolders_ = nullptr;
    QPushButton* btnAddDestFolder_ = nullptr;
    QPushButton* btnViewDestFolder_ = nullptr;
};

} // namespace dirforge::ui
