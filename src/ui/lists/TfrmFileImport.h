#pragma once
// Smart import: load a text file, build a preview list under the reading settings, import it.

#include "lists/ImportClass.h"
#include "ui/common/NameListModel.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
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
class TfrmEditSmartImport;
class TfrmZoomIncludeWindow;
class UpDownControl;

/// What the import window works with; all outlive the window.
struct FileImportServices {
    const platform::FileSystem& fileSystem;
    platform::Prompt& prompt;
    platform::FileDialogs& fileDialogs;
    TfrmZoomIncludeWindow& zoomWindow;
    ModalRunner& runner;
    /// A typed, pasted or dropped file name in drive form (nullopt: refused with a message);
    /// when empty the name is taken as it is.
    std::function<std::optional<std::string>(const std::string&)> takePath;
};

/// "Import Folders/Subfolders/Strings  from a Text File.": created once, reused; its lists
/// and settings stay between openings.
class TfrmFileImport : public QDialog {
    Q_OBJECT
public:
    /// sharedDelimiters/sharedQuotationMarks: the settings store's lists (empty: own defaults).
    TfrmFileImport(const FileImportServices& services,
                   const std::vector<std::string>& sharedDelimiters,
                   const std::vector<std::string>& sharedQuotationMarks, QWidget* parent = nullptr);
    ~TfrmFileImport() override;

    /// The preview list the caller takes after an OK result.
    const NameListModel& preview() const { return preview_; }
    NameListModel& preview() { return preview_; }
    const NameListModel& source() const { return source_; }
    /// The preview editor this window opens with "Edit".
    TfrmEditSmartImport& previewEditor() { return *previewEditor_; }
    /// Empties the source list (the paths page does so whenever the window closes).
    void clearSource();
    /// Empties the preview list (the paths page does so after taking it).
    void clearPreview();
    /// What the Help button opens (set by the main window).
    void setHelpHandler(std::function<void()> onHelp) { onHelp_ = std::move(onHelp); }

    void btnFileImportBrowseClick();
    /// Loads the file named in edtFileImportFileName (Enter in that field).
    void edtFileImportFileNameReturn();
    /// A file dropped on the window or a page's INCLUDE list: put into Source File and loaded as
    /// Enter there does; true when it was loaded.
    bool takeDroppedFile(const std::string& hostPath);
    void btnFileImportFromClick();
    void btnFileImportClearClick();
    void rdoFileImportPlainTextClick();
    void rdoFileImportSeparatedFileClick();
    void rdoFileImportAllColumnsClick();
    void rdoFileImportOneColumnClick();

private:
    void buildControls();
    QLayout* buildFileRow();
    QLayout* buildListsRow();
    QWidget* buildSettingsBox();
    QLayout* buildButtonsRow();
    void fillChoiceBoxes(const std::vector<std::string>& sharedDelimiters,
                         const std::vector<std::string>& sharedQuotationMarks);
    /// True when the file's lines are loaded.
    bool loadSource(const std::string& fileName);
    /// Enter in Source File; true when the file's lines are loaded.
    bool loadNamedFile();
    /// Source File's name in drive form (shown so in the field); nullopt when refused.
    std::optional<std::string> sourceFileName();
    lists::ReadingMode readingMode() const;
    void showPreviewCount();
    void applyEnablingRules();
    void applyImportEnabling();
    void zoom(const NameListModel& list);
    void editPreview();

    FileImportServices services_;
    TfrmEditSmartImport* previewEditor_;
    std::function<void()> onHelp_;
    NameListModel source_{core::NameList::Order::Insertion};
    NameListModel preview_{core::NameList::Order::Insertion};

    QLineEdit* edtFileImportFileName_ = nullptr;
    QPushButton* btnFileImportBrowse_ = nullptr;
    QLabel* lblFileImportStep1_ = nullptr;
    QListView* lstFileImportSource_ = nullptr;
    QLabel* lblFileImportSourceLines_ = nullptr;
    QListView* lstFileImportResults_ = nullptr;
    QLabel* lblFileImportPreviewCaption_ = nullptr;
    QLabel* lblFileImportPreviewLinesCaption_ = nullptr;
    QLabel* lblFileImportPreviewLines_ = nullptr;
    QRadioButton* rdoFileImportPlainText_ = nullptr;
    QRadioButton* rdoFileImportSeparatedFile_ = nullptr;
    QRadioButton* rdoFileImportColumnSeparatedFile_ = nullptr;
    QLabel* lblFileImportDelimiter_ = nullptr;
    QComboBox* cboFileImportDelimiter_ = nullptr;
    QComboBox* cboFileImportQuotationMark_ = nullptr;
    QRadioButton* rdoFileImportAllColumns_ = nullptr;
    QRadioButton* rdoFileImportOneColumn_ = nullptr;
    QLineEdit* edtFileImportColumnNumber_ = nullptr;
    UpDownControl* UDFileImportColumnNumber_ = nullptr;
    QCheckBox* chkFileImportAbandonQMarks_ = nullptr;
    QCheckBox* chkFileImportDeleteContent_ = nullptr;
    QLabel* lblFileImportStep2_ = nullptr;
    QPushButton* btnFileImportFrom_ = nullptr;
    QLabel* lblFileImportStep3_ = nullptr;
    QPushButton* btnFileImportOk_ = nullptr;
    QPushButton* btnFileImportCancel_ = nullptr;
    QPushButton* btnFileImportClear_ = nullptr;
    QPushButton* btnSmartImportZoomOriginalFile_ = nullptr;
    QPushButton* btnSmartImportZoomPreview_ = nullptr;
    QPushButton* btnSmartImportPreviewEdit_ = nullptr;
    QPushButton* btnFileImportHelp_ = nullptr;
    QPushButton* btnFileImportVideo_ = nullptr;
};

} // namespace dirforge::ui
