#pragma once
// List export: a caller hands over a list; the user picks layout and entry form and writes it.

#include "engine/RunResults.h"
#include "lists/ExportWriter.h"
#include "ui/common/NameListModel.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;

namespace dirforge::platform {
class FileDialogs;
class FileSystem;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

class ModalRunner;

/// What the export window works with; all outlive the window.
struct FileExportServices {
    platform::FileSystem& fileSystem;
    platform::Prompt& prompt;
    platform::FileDialogs& fileDialogs;
    ModalRunner& runner;
};

/// "Export Datas to a File.": created once and reused; layout, entry form, delimiter and the
/// quotation-mark choice stay between openings.
class TfrmFileExport : public QDialog {
    Q_OBJECT
public:
    /// sharedDelimiters: the settings store's delimiter list (empty: the window's own set).
    TfrmFileExport(const FileExportServices& services,
                   const std::vector<std::string>& sharedDelimiters, QWidget* parent = nullptr);

    /// Hands over entries (each once, ignoring case) under kind, applies the kind's drive-letter
    /// choices, rebuilds the displayed list and selects its first entry. causes: why entries
    /// failed, by entry, which the user may have written after them.
    void prepare(const std::vector<std::string>& entries, const std::string& kind,
                 engine::FailureReasons causes = {});
    /// prepare(), then shows the window modally.
    void exportList(const std::vector<std::string>& entries, const std::string& kind,
                    engine::FailureReasons causes = {});

    const NameListModel& displayed() const { return displayed_; }
    const std::vector<std::string>& handedOver() const { return handedOver_; }
    const std::string& kind() const { return kind_; }

    /// Rebuilds the displayed list from the handed-over one under the entry choices.
    void rebuildDisplayed();
    void btnFileExportToClick();

private:
    void buildControls();
    QWidget* buildLayoutBox();
    QWidget* buildEntryBox();
    lists::SlashForm slashForm() const;
    void applyKind();

    FileExportServices services_;
    std::vector<std::string> handedOver_;
    engine::FailureReasons causes_;
    /// The causes by displayed entry (after its drive-letter and slash form).
    engine::FailureReasons displayedCauses_;
    std::string kind_ = "FOLDERS";
    NameListModel displayed_{core::NameList::Order::Insertion};

    QListView* lstFileExportSource_ = nullptr;
    QLabel* lblSmartExportSource_ = nullptr;
    QLabel* lblSmartExportExported_ = nullptr;
    QRadioButton* rdoFileExportPlainTextFile_ = nullptr;
    QRadioButton* rdoFileExportCSVSeparatedFile_ = nullptr;
    QLabel* lblFileExportDelimiter_ = nullptr;
    QComboBox* cboFileExportDelimiter_ = nullptr;
    QCheckBox* chkFileExportQuotationMarks_ = nullptr;
    QCheckBox* chkFileExportCauses_ = nullptr;
    QRadioButton* rdoFileExportWithDriveLetters_ = nullptr;
    QRadioButton* rdoFileExportWithoutDriveLetters_ = nullptr;
    QRadioButton* rdoExportWithBackSlashes_ = nullptr;
    QRadioButton* rdoExportWithForwardSlashes_ = nullptr;
    QPushButton* btnFileExportTo_ = nullptr;
    QPushButton* btnExportClose_ = nullptr;
};

} // namespace dirforge::ui
