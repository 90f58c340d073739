#pragma once
// The level summary of a folder: what lies below a destination before a page takes it — its
// subfolders per level, its folder and file counts and the size of its files.

#include "engine/RunResults.h"

#include <QDialog>

#include <string>

class QLabel;
class QTableWidget;

namespace dirforge::engine {
class FolderStructSize;
}
namespace dirforge::platform {
class FileSystem;
}

namespace dirforge::ui {

class ModalRunner;

/// TfrmLevelSummFolder: one instance, refilled by every use.
class TfrmLevelSummFolder : public QDialog {
    Q_OBJECT
public:
    /// fs and runner must outlive the window.
    TfrmLevelSummFolder(const platform::FileSystem& fs, ModalRunner& runner,
                        QWidget* parent = nullptr);

    /// Fills the window from a finished scan and shows it modally until it is closed.
    void ShowLevelSummary(const engine::FolderStructSize& scan);
    /// Scans the trimmed destination and shows its summary; a blank destination shows nothing.
    /// The root counts as a folder unless the page's checked copy variant is a subfolders-only one.
    void ShowDestinationSummary(const std::string& destination, engine::CopyVariant checkedVariant);

private:
    /// Empties the table, then fills it and the four labels from a finished scan.
    void Fill(const engine::FolderStructSize& scan);

    const platform::FileSystem& fs_;
    ModalRunner& runner_;
    QLabel* folderName_ = nullptr;
    QLabel* folderSum_ = nullptr;
    QLabel* fileSum_ = nullptr;
    QLabel* fileSize_ = nullptr;
    QTableWidget* levels_ = nullptr;
};

} // namespace dirforge::ui
