#include "ui/lists/TfrmFileExport.h"

#include "core/ListReports.h"
#include "lists/ImportSettings.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"
#include "ui/app/AppInfo.h"
#include "ui/common/ChoiceBoxes.h"
#include "ui/common/ControlNames.h"
#include "ui/common/ListViews.h"
#include "ui/common/QtText.h"
#include "ui/lists/ListFileFilter.h"
#include "ui/seams/ModalRunner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

const char* const kSyntaxTitle = "Export Content to a File.            Warning no: 0385bc.";
const char* const kSaveFailedTitle = "Export Conrent to File.            Warning no: 0330.";
const char* const kSaveFailedText =
    "There was a problem saving the file !\nAction : The file is maybe corrupted.";
const char* const kExportedText = "End of the exporting process.";
const char* const kSaveDialogTitle = "Export Folder Names (strings) to a file.";
const char* const kSaveDialogFilter = kListFileFilter;

} // namespace

TfrmFileExport::TfrmFileExport(const FileExportServices& services,
                               const std::vector<std::string>& sharedDelimiters, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("TfrmFileExport");
    setWindowTitle("Export Datas to a File.");
    buildControls();
    FillChoiceBox(*cboFileExportDelimiter_, sharedDelimiters, lists::ExportDefaultDelimiters());
}

void TfrmFileExport::buildControls() {
    lstFileExportSource_ = MakeListView("lstFileExportSource", &displayed_, 2000, this);
    lblSmartExportSource_ = Named(new QLabel("0", this), "lblSmartExportSource");
    lblSmartExportExported_ = Named(new QLabel("0", this), "lblSmartExportExported");
    btnFileExportTo_ = Named(new QPushButton("Export To...", this), "btnFileExportTo");
    btnExportClose_ = Named(new QPushButton("Close", this), "btnExportClose");
    connect(btnFileExportTo_, &QPushButton::clicked, this, &TfrmFileExport::btnFileExportToClick);
    connect(btnExportClose_, &QPushButton::clicked, this, &QDialog::accept);

    auto* counters = new QHBoxLayout;
    counters->addWidget(
        Named(new QLabel("Original Content to Export:", this), "lblSmartExportSourceCaption"));
    counters->addWidget(lblSmartExportSource_);
    counters->addSpacing(24);
    counters->addWidget(Named(new QLabel("Exported:", this), "lblSmartExportExportedCaption"));
    counters->addWidget(lblSmartExportExported_);
    counters->addStretch();

    auto* choices = new QVBoxLayout;
    choices->addWidget(buildLayoutBox());
    choices->addWidget(buildEntryBox());
    choices->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFileExportTo_);
    buttons->addWidget(btnExportClose_);
    choices->addLayout(buttons);

    auto* listColumn = new QVBoxLayout;
    listColumn->addLayout(counters);
    listColumn->addWidget(lstFileExportSource_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(choices);
    resize(980, 560);
}

QWidget* TfrmFileExport::buildLayoutBox() {
    auto* box = Named(new QGroupBox("File Layout", this), "grpFileExportLayout");
    rdoFileExportPlainTextFile_ =
        Named(new QRadioButton("To a Plain Text File. One Line - one string.", box),
              "rdoFileExportPlainTextFile");
    rdoFileExportCSVSeparatedFile_ =
        Named(new QRadioButton("To a CSV - Separated File.", box), "rdoFileExportCSVSeparatedFile");
    lblFileExportDelimiter_ =
        Named(new QLabel("Select a Delimiter", box), "lblFileExportDelimiter");
    cboFileExportDelimiter_ = Named(new QComboBox(box), "cboFileExportDelimiter");
    cboFileExportDelimiter_->setEditable(true);
    chkFileExportQuotationMarks_ = Named(new QCheckBox("Put Double Quotes around strings.", box),
                                         "chkFileExportQuotationMarks");
    rdoFileExportPlainTextFile_->setChecked(true);
    cboFileExportDelimiter_->setEnabled(false);
    connect(rdoFileExportPlainTextFile_, &QRadioButton::toggled, this,
            [this](bool plain) { cboFileExportDelimiter_->setEnabled(!plain); });

    auto* grid = new QGridLayout(box);
    grid->addWidget(rdoFileExportPlainTextFile_, 0, 0, 1, 2);
    grid->addWidget(rdoFileExportCSVSeparatedFile_, 1, 0, 1, 2);
    grid->addWidget(lblFileExportDelimiter_, 2, 0);
    grid->addWidget(cboFileExportDelimiter_, 2, 1);
    grid->addWidget(chkFileExportQuotationMarks_, 3, 0, 1, 2);
    return box;
}

QWidget* TfrmFileExport::buildEntryBox() {
    auto* box = Named(new QGroupBox("Entries", this), "grpFileExportEntries");
    auto* drives = Named(new QWidget(box), "pnlFileExportDrives");
    auto* slashes = Named(new QWidget(box), "pnlFileExportSlashes");
    rdoFileExportWithDriveLetters_ =
        Named(new QRadioButton("With Drive Letters", drives), "rdoFileExportWithDriveLetters",
              "Export Folders with srive letters.");
    rdoFileExportWithoutDriveLetters_ =
        Named(new QRadioButton("Without Drive Letters (Folder Templates or Strings)", drives),
              "rdoFileExportWithoutDriveLetters");
    rdoExportWithBackSlashes_ =
        Named(new QRadioButton("Backslashes (Windows)", slashes), "rdoExportWithBackSlashes");
    rdoExportWithForwardSlashes_ =
        Named(new QRadioButton("Forward Slashes (Apple)", slashes), "rdoExportWithForwardSlashes");
    rdoFileExportWithDriveLetters_->setChecked(true);
    rdoExportWithBackSlashes_->setChecked(true);
    for (auto* choice : {rdoFileExportWithDriveLetters_, rdoFileExportWithoutDriveLetters_,
                         rdoExportWithBackSlashes_, rdoExportWithForwardSlashes_})
        connect(choice, &QRadioButton::clicked, this, &TfrmFileExport::rebuildDisplayed);

    auto* driveLayout = new QVBoxLayout(drives);
    driveLayout->setContentsMargins(0, 0, 0, 0);
    driveLayout->addWidget(rdoFileExportWithDriveLetters_);
    driveLayout->addWidget(rdoFileExportWithoutDriveLetters_);
    auto* slashLayout = new QVBoxLayout(slashes);
    slashLayout->setContentsMargins(0, 0, 0, 0);
    slashLayout->addWidget(rdoExportWithBackSlashes_);
    slashLayout->addWidget(rdoExportWithForwardSlashes_);
    // Off unless asked for, so an export stays a plain list of paths another tool can read.
    chkFileExportCauses_ = Named(new QCheckBox("Add the cause of each failure after its path", box),
                                 "chkFileExportCauses",
                                 "Why a folder was not created or not undone, as the visual log's "
                                 "tooltip shows it.");
    chkFileExportCauses_->setEnabled(false);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(drives);
    layout->addSpacing(8);
    layout->addWidget(slashes);
    layout->addSpacing(8);
    layout->addWidget(chkFileExportCauses_);
    return box;
}

void TfrmFileExport::prepare(const std::vector<std::string>& entries, const std::string& kind,
                             engine::FailureReasons causes) {
    causes_ = std::move(causes);
    chkFileExportCauses_->setEnabled(!causes_.empty());
    displayed_.assign(entries);
    handedOver_ = displayed_.entries();
    kind_ = kind;
    applyKind();
    rebuildDisplayed();
    // Last: rebuilding resets the list model, which drops any current row and selection.
    if (displayed_.size() > 0)
        lstFileExportSource_->selectionModel()->setCurrentIndex(
            displayed_.index(0), QItemSelectionModel::ClearAndSelect);
}

void TfrmFileExport::exportList(const std::vector<std::string>& entries, const std::string& kind,
                                engine::FailureReasons causes) {
    prepare(entries, kind, std::move(causes));
    services_.runner.run(*this);
}

void TfrmFileExport::applyKind() {
    const bool strings = lists::ExportKindName(kind_) == "STRINGS";
    rdoFileExportWithDriveLetters_->setEnabled(!strings);
    rdoFileExportWithoutDriveLetters_->setEnabled(!strings);
    if (strings)
        rdoFileExportWithoutDriveLetters_->setChecked(true);
}

lists::SlashForm TfrmFileExport::slashForm() const {
    return rdoExportWithForwardSlashes_->isChecked() ? lists::SlashForm::ForwardSlashes
                                                     : lists::SlashForm::Backslashes;
}

void TfrmFileExport::rebuildDisplayed() {
    lblSmartExportExported_->setText("0");
    const lists::ExportEntryForm form{slashForm(), rdoFileExportWithDriveLetters_->isChecked()};
    std::vector<std::string> rebuilt;
    rebuilt.reserve(handedOver_.size());
    displayedCauses_.clear();
    for (const auto& entry : handedOver_) {
        rebuilt.push_back(lists::RebuildExportEntry(entry, form));
        if (const auto cause = causes_.find(entry); cause != causes_.end())
            displayedCauses_.emplace(rebuilt.back(), cause->second);
    }
    displayed_.assign(rebuilt);
    lblSmartExportSource_->setText(QString::number(displayed_.size()));
}

void TfrmFileExport::btnFileExportToClick() {
    const std::vector<std::string> entries = displayed_.entries();
    std::string report;
    if (core::ReportSyntaxErrors(report, entries)) {
        services_.prompt.warn(report, kSyntaxTitle);
        return;
    }
    const auto fileName =
        services_.fileDialogs.saveFileName(kSaveDialogTitle, kSaveDialogFilter, "");
    if (!fileName)
        return;
    lists::ExportFormat format;
    format.layout = rdoFileExportCSVSeparatedFile_->isChecked() ? lists::ExportLayout::Separated
                                                                : lists::ExportLayout::PlainLines;
    format.delimiter =
        lists::ExportDelimiterFromText(FromQt(cboFileExportDelimiter_->currentText()));
    if (chkFileExportQuotationMarks_->isChecked())
        format.quotationMark.push_back('"');
    format.kind = kind_;
    std::vector<std::string> causes;
    if (chkFileExportCauses_->isEnabled() && chkFileExportCauses_->isChecked())
        for (const std::string& entry : entries) {
            const auto cause = displayedCauses_.find(entry);
            causes.push_back(cause != displayedCauses_.end() ? cause->second : std::string());
        }
    if (!services_.fileSystem.writeFileAtomic(
            *fileName, lists::FormatExport(entries, slashForm(), format,
                                           causes.empty() ? nullptr : &causes))) {
        services_.prompt.warn(kSaveFailedText, kSaveFailedTitle);
        return;
    }
    const auto written = lists::IsExportedKind(kind_) ? entries.size() : 0;
    lblSmartExportExported_->setText(QString::number(written));
    services_.prompt.inform(kExportedText, kProductName);
}

} // namespace dirforge::ui
