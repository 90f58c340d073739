#include "ui/lists/TfrmFileImport.h"

#include "core/TextRules.h"
#include "lists/ImportSettings.h"
#include "lists/ListEditRules.h"
#include "lists/SourceFile.h"
#include "platform/FileDialogs.h"
#include "platform/Prompt.h"
#include "ui/common/ChoiceBoxes.h"
#include "ui/common/ListViews.h"
#include "ui/common/QtText.h"
#include "ui/common/RepaintThrottle.h"
#include "ui/common/UpDownControl.h"
#include "ui/lists/ListFileFilter.h"
#include "ui/lists/TfrmEditSmartImport.h"
#include "ui/lists/TfrmZoomIncludeWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cctype>

namespace dirforge::ui {

namespace {

const char* const kExtensionQuestionTitle = "Import File content.            Warnings no: 0311.";
const char* const kExtensionQuestion =
    "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
    "this file ?\n"
    "Click YES to Continue Selecting this file,\nClick NO to Stop the Select process.";
const char* const kLoadFailedTitle = "Import File content.            Warnings no: 0312.";
const char* const kBuildFailedTitle = "Import File content.            Warnings no: 0313.";
const char* const kOpenFailedText =
    "There was a problem opening the file !\nAction : The file is maybe corrupted.";
const char* const kLoadNotTextTitle = "Import File content.            Warnings no: 0314.";
const char* const kBuildNotTextTitle = "Import File content.            Warnings no: 0315.";
const char* const kNotTextText = "The file is not a plain text file (it holds NUL characters) "
                                 "!\nAction : Choose a plain text file.";
const char* const kColumnTitle = "Import File content.            Warnings no: 0316.";
const char* const kLoadedTitle = "Import File content.            Information no: 0450.";
const char* const kLoadedText = "End of the IMPORT process!";
const char* const kBuiltTitle = "Import File content.            Information no: 0451.";
const char* const kBuiltText = "End of the making FOLDER LIST process! (Preview)";
const char* const kOpenDialogTitle = "Import Folder Names (strings) from Files.";

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/// An end message with the line saying how the file was read, when that was guessed.
std::string WithEncodingNote(const std::string& text, lists::TextEncoding encoding) {
    const std::string note = lists::EncodingNote(encoding);
    return note.empty() ? text : text + "\nThe file is " + note + ".";
}

} // namespace

TfrmFileImport::TfrmFileImport(const FileImportServices& services,
                               const std::vector<std::string>& sharedDelimiters,
                               const std::vector<std::string>& sharedQuotationMarks,
                               QWidget* parent)
    : QDialog(parent), services_(services),
      previewEditor_(new TfrmEditSmartImport(preview_, services.prompt, services.runner, this)) {
    setObjectName("TfrmFileImport");
    setWindowTitle("Import Folders/Subfolders/Strings  from a Text File.");
    buildControls();
    fillChoiceBoxes(sharedDelimiters, sharedQuotationMarks);
    applyEnablingRules();
}

TfrmFileImport::~TfrmFileImport() = default;

void TfrmFileImport::fillChoiceBoxes(const std::vector<std::string>& sharedDelimiters,
                                     const std::vector<std::string>& sharedQuotationMarks) {
    FillChoiceBox(*cboFileImportDelimiter_, sharedDelimiters, lists::ImportDefaultDelimiters());
    FillChoiceBox(*cboFileImportQuotationMark_, sharedQuotationMarks,
                  lists::ImportDefaultDelimiters());
}

void TfrmFileImport::clearSource() {
    source_.clear();
    lblFileImportSourceLines_->setText("0");
}

void TfrmFileImport::clearPreview() {
    preview_.clear();
    showPreviewCount();
}

// ---- loading the source ----

void TfrmFileImport::btnFileImportBrowseClick() {
    const auto chosen = services_.fileDialogs.openFileName(kOpenDialogTitle, kListFileFilter);
    if (!chosen) {
        applyEnablingRules();
        return;
    }
    if (lowerCase(core::FileExtension(*chosen)) != "txt" &&
        !services_.prompt.ask(kExtensionQuestion, kExtensionQuestionTitle))
        return;
    edtFileImportFileName_->setText(ToQt(*chosen));
    loadSource(*chosen);
}

std::optional<std::string> TfrmFileImport::sourceFileName() {
    const std::string typed = core::Trim(FromQt(edtFileImportFileName_->text()));
    if (typed.empty() || !services_.takePath)
        return typed;
    std::optional<std::string> converted = services_.takePath(typed);
    if (converted && *converted != typed)
        edtFileImportFileName_->setText(ToQt(*converted));
    return converted;
}

void TfrmFileImport::edtFileImportFileNameReturn() {
    loadNamedFile();
}

bool TfrmFileImport::loadNamedFile() {
    const std::optional<std::string> fileName = sourceFileName();
    if (!fileName || fileName->empty())
        return false;
    if (lowerCase(core::FileExtension(*fileName)) != "txt" &&
        !services_.prompt.ask(kExtensionQuestion, kExtensionQuestionTitle))
        return false;
    return loadSource(*fileName);
}

bool TfrmFileImport::takeDroppedFile(const std::string& hostPath) {
    edtFileImportFileName_->setText(ToQt(hostPath));
    return loadNamedFile();
}

bool TfrmFileImport::loadSource(const std::string& fileName) {
    RepaintThrottle throttle;
    auto file = lists::ReadSourceFile(services_.fileSystem, fileName, [&](std::size_t lines) {
        if (throttle.tick())
            lblFileImportSourceLines_->setText(QString::number(lines));
    });
    if (file.error != lists::SourceReadError::None) {
        const bool notText = file.error == lists::SourceReadError::NotText;
        services_.prompt.warn(notText ? kNotTextText : kOpenFailedText,
                              notText ? kLoadNotTextTitle : kLoadFailedTitle);
        lblFileImportSourceLines_->setText(QString::number(source_.size()));
        return false;
    }
    clearPreview();
    source_.assignAll(std::move(file.lines));
    lblFileImportSourceLines_->setText(QString::number(source_.size()));
    services_.prompt.inform(WithEncodingNote(kLoadedText, file.encoding), kLoadedTitle);
    applyEnablingRules();
    return true;
}

// ---- building the preview ----

lists::ReadingMode TfrmFileImport::readingMode() const {
    if (!rdoFileImportSeparatedFile_->isChecked())
        return lists::ReadingMode::PlainText;
    return rdoFileImportOneColumn_->isChecked() ? lists::ReadingMode::OneColumn
                                                : lists::ReadingMode::AllColumns;
}

void TfrmFileImport::btnFileImportFromClick() {
    auto mode = readingMode();
    lists::ColumnChoice columns;
    if (mode == lists::ReadingMode::OneColumn) {
        std::string message;
        if (!lists::ParseColumnChoice(FromQt(edtFileImportColumnNumber_->text()), columns,
                                      message)) {
            services_.prompt.warn(message, kColumnTitle); // the preview is kept as it was
            return;
        }
        mode = columns.mode;
    }
    const std::optional<std::string> fileName = sourceFileName();
    if (!fileName)
        return; // a host path on no drive: told, and the preview is kept
    clearPreview();
    lists::ImportClass reader(services_.fileSystem, *fileName, mode,
                              FromQt(cboFileImportDelimiter_->currentText()),
                              FromQt(cboFileImportQuotationMark_->currentText()),
                              chkFileImportAbandonQMarks_->isChecked());
    reader.SetColumn(columns.column);
    reader.SetPattern(std::move(columns.pattern));
    if (!reader.Read()) {
        const bool notText = reader.errorState() == lists::ImportNotText;
        services_.prompt.warn(notText ? kNotTextText : kOpenFailedText,
                              notText ? kBuildNotTextTitle : kBuildFailedTitle);
    }
    preview_.addMany(lists::PreviewValues(reader.takeResults()));
    showPreviewCount();
    applyImportEnabling();
    std::string built = WithEncodingNote(kBuiltText, reader.encoding());
    if (const std::string leftOut = lists::LeftOutRowsNote(reader.leftOutRows()); !leftOut.empty())
        built += "\n" + leftOut;
    services_.prompt.inform(built, kBuiltTitle);
}

void TfrmFileImport::showPreviewCount() {
    lblFileImportPreviewLines_->setText(QString::number(preview_.size()));
}

// ---- reading-setting choices and enabling rules ----

void TfrmFileImport::rdoFileImportPlainTextClick() {
    rdoFileImportPlainText_->setChecked(true);
    rdoFileImportSeparatedFile_->setChecked(false);
    for (auto* choice : {rdoFileImportAllColumns_, rdoFileImportOneColumn_}) {
        choice->setChecked(false);
        choice->setEnabled(false);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{edtFileImportColumnNumber_, UDFileImportColumnNumber_,
                                         lblFileImportDelimiter_, cboFileImportDelimiter_})
        control->setEnabled(false);
}

void TfrmFileImport::rdoFileImportSeparatedFileClick() {
    rdoFileImportSeparatedFile_->setChecked(true);
    rdoFileImportPlainText_->setChecked(false);
    rdoFileImportAllColumns_->setEnabled(true);
    rdoFileImportOneColumn_->setEnabled(true);
    rdoFileImportAllColumnsClick();
    lblFileImportDelimiter_->setEnabled(true);
    cboFileImportDelimiter_->setEnabled(true);
}

void TfrmFileImport::rdoFileImportAllColumnsClick() {
    rdoFileImportAllColumns_->setChecked(true);
    rdoFileImportOneColumn_->setChecked(false);
    edtFileImportColumnNumber_->setEnabled(false);
    UDFileImportColumnNumber_->setEnabled(false);
}

void TfrmFileImport::rdoFileImportOneColumnClick() {
    rdoFileImportOneColumn_->setChecked(true);
    rdoFileImportAllColumns_->setChecked(false);
    edtFileImportColumnNumber_->setEnabled(true);
    UDFileImportColumnNumber_->setEnabled(true);
}

void TfrmFileImport::applyEnablingRules() {
    const bool loaded = source_.size() > 0;
    for (QWidget* control : std::initializer_list<QWidget*>{
             lstFileImportResults_, lblFileImportPreviewCaption_, lblFileImportPreviewLines_,
             lblFileImportPreviewLinesCaption_, btnSmartImportZoomPreview_,
             btnSmartImportPreviewEdit_, rdoFileImportPlainText_, rdoFileImportSeparatedFile_,
             chkFileImportAbandonQMarks_, btnFileImportFrom_, lblFileImportStep2_})
        control->setEnabled(loaded);
    rdoFileImportPlainTextClick(); // also disables the separated settings when nothing is loaded
    applyImportEnabling();
}

void TfrmFileImport::applyImportEnabling() {
    const bool ready = source_.size() > 0 && preview_.size() > 0;
    btnFileImportOk_->setEnabled(ready);
    lblFileImportStep3_->setEnabled(ready);
}

void TfrmFileImport::btnFileImportClearClick() {
    edtFileImportFileName_->clear();
    clearSource();
    clearPreview();
    UDFileImportColumnNumber_->setPosition(1);
    chkFileImportAbandonQMarks_->setChecked(true);
    if (cboFileImportDelimiter_->count() > 0)
        cboFileImportDelimiter_->setCurrentIndex(0);
    applyEnablingRules();
}

// ---- zoom and edit ----

void TfrmFileImport::zoom(const NameListModel& list) {
    services_.zoomWindow.showEntries(list.entries());
}

void TfrmFileImport::editPreview() {
    previewEditor_->edit(preview_.entries());
    showPreviewCount();
    applyImportEnabling();
}

} // namespace dirforge::ui
