// The controls of the smart import window and their places; behaviour is in TfrmFileImport.cpp.

#include "ui/common/ControlNames.h"
#include "ui/common/ListViews.h"
#include "ui/common/PathDrops.h"
#include "ui/common/QtText.h"
#include "ui/common/UpDownControl.h"
#include "ui/lists/TfrmEditSmartImport.h"
#include "ui/lists/TfrmFileImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

QLabel* stepLabel(const char* text, const char* name, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    label->setFont(font);
    return label;
}

QRadioButton* choice(const char* text, const char* name, QWidget* parent) {
    auto* radio = Named(new QRadioButton(text, parent), name);
    radio->setAutoExclusive(false); // the click handlers set every choice's state themselves
    return radio;
}

} // namespace

void TfrmFileImport::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildFileRow());
    layout->addLayout(buildListsRow(), 1);
    layout->addLayout(buildButtonsRow());

    connect(btnFileImportBrowse_, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportBrowseClick);
    connect(edtFileImportFileName_, &QLineEdit::returnPressed, this,
            &TfrmFileImport::edtFileImportFileNameReturn);
    connect(btnFileImportFrom_, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportFromClick);
    connect(btnFileImportClear_, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportClearClick);
    connect(btnFileImportOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnFileImportCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFileImportHelp_, &QPushButton::clicked, this, [this] {
        if (onHelp_)
            onHelp_();
    });
    connect(rdoFileImportPlainText_, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportPlainTextClick);
    connect(rdoFileImportSeparatedFile_, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportSeparatedFileClick);
    connect(rdoFileImportAllColumns_, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportAllColumnsClick);
    connect(rdoFileImportOneColumn_, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportOneColumnClick);
    connect(btnSmartImportZoomOriginalFile_, &QPushButton::clicked, this,
            [this] { zoom(source_); });
    connect(btnSmartImportZoomPreview_, &QPushButton::clicked, this, [this] { zoom(preview_); });
    connect(btnSmartImportPreviewEdit_, &QPushButton::clicked, this, &TfrmFileImport::editPreview);
    resize(1100, 620);
}

QLayout* TfrmFileImport::buildFileRow() {
    lblFileImportStep1_ = stepLabel("1.", "lblFileImportStep1", this);
    auto* caption = Named(new QLabel("Source File:", this), "lblFileImportFileName");
    edtFileImportFileName_ =
        Named(new QLineEdit(this), "edtFileImportFileName", "A source file name.");
    btnFileImportBrowse_ = Named(new QPushButton("Browse", this), "btnFileImportBrowse");
    btnFileImportBrowse_->setAutoDefault(false);
    caption->setBuddy(edtFileImportFileName_);
    AcceptPathDrops(
        *edtFileImportFileName_,
        [](const QStringList& paths) { return paths.size() == 1 && !AllFolders(paths); },
        [this](const QStringList& paths) { takeDroppedFile(FromQt(paths.front())); });
    auto* row = new QHBoxLayout;
    row->addWidget(lblFileImportStep1_);
    row->addWidget(caption);
    row->addWidget(edtFileImportFileName_, 1);
    row->addWidget(btnFileImportBrowse_);
    return row;
}

QLayout* TfrmFileImport::buildListsRow() {
    auto* sourceCaption =
        Named(new QLabel("Content of the Source File", this), "lblFileImportSourceCaption");
    lstFileImportSource_ = MakeListView("lstFileImportSource", &source_, 3000, this);
    lstFileImportSource_->setToolTip("Content of the original file");
    lstFileImportSource_->setAccessibleName(QStringLiteral("Content of the source file"));
    lblFileImportSourceLines_ = Named(new QLabel("0", this), "lblFileImportSourceLines");
    btnSmartImportZoomOriginalFile_ =
        Named(new QPushButton("Zoom", this), "btnSmartImportZoomOriginalFile");

    lblFileImportPreviewCaption_ =
        Named(new QLabel("Created List from the Source", this), "lblFileImportPreviewCaption");
    lstFileImportResults_ = MakeListView("lstFileImportResults", &preview_, 3000, this);
    lstFileImportResults_->setToolTip(
        "Created List (Folder/String) based on the current settings.");
    lstFileImportResults_->setAccessibleName(QStringLiteral("Created list from the source"));
    lblFileImportPreviewLinesCaption_ =
        Named(new QLabel("Lines:", this), "lblFileImportPreviewLinesCaption");
    lblFileImportPreviewLines_ = Named(new QLabel("0", this), "lblFileImportPreviewLines");
    btnSmartImportZoomPreview_ = Named(new QPushButton("Zoom", this), "btnSmartImportZoomPreview");
    btnSmartImportZoomPreview_->setAccessibleName(QStringLiteral("Zoom the created list"));
    btnSmartImportZoomOriginalFile_->setAccessibleName(QStringLiteral("Zoom the source file"));
    btnSmartImportPreviewEdit_ = Named(new QPushButton("Edit", this), "btnSmartImportPreviewEdit");

    auto* sourceFooter = new QHBoxLayout;
    sourceFooter->addWidget(Named(new QLabel("Lines:", this), "lblFileImportSourceLinesCaption"));
    sourceFooter->addWidget(lblFileImportSourceLines_);
    sourceFooter->addStretch();
    sourceFooter->addWidget(btnSmartImportZoomOriginalFile_);
    auto* sourceColumn = new QVBoxLayout;
    sourceColumn->addWidget(sourceCaption);
    sourceColumn->addWidget(lstFileImportSource_, 1);
    sourceColumn->addLayout(sourceFooter);

    auto* previewFooter = new QHBoxLayout;
    previewFooter->addWidget(lblFileImportPreviewLinesCaption_);
    previewFooter->addWidget(lblFileImportPreviewLines_);
    previewFooter->addStretch();
    previewFooter->addWidget(btnSmartImportZoomPreview_);
    previewFooter->addWidget(btnSmartImportPreviewEdit_);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(lblFileImportPreviewCaption_);
    previewColumn->addWidget(lstFileImportResults_, 1);
    previewColumn->addLayout(previewFooter);

    for (auto* button :
         {btnSmartImportZoomOriginalFile_, btnSmartImportZoomPreview_, btnSmartImportPreviewEdit_})
        button->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addLayout(sourceColumn, 1);
    row->addWidget(buildSettingsBox());
    row->addLayout(previewColumn, 1);
    return row;
}

QWidget* TfrmFileImport::buildSettingsBox() {
    auto* box = Named(new QGroupBox("Reading Settings", this), "grpFileImportSettings");
    rdoFileImportPlainText_ =
        choice("From  a Plain Text File (One line - One String).", "rdoFileImportPlainText", box);
    rdoFileImportSeparatedFile_ =
        choice("From a CSV/ Separated file.", "rdoFileImportSeparatedFile", box);
    rdoFileImportColumnSeparatedFile_ =
        choice("From a Column (EXCEL) type file.", "rdoFileImportColumnSeparatedFile", box);
    lblFileImportDelimiter_ = Named(new QLabel("Delimiter", box), "lblFileImportDelimiter");
    cboFileImportDelimiter_ = Named(new QComboBox(box), "cboFileImportDelimiter");
    cboFileImportDelimiter_->setEditable(true);
    cboFileImportQuotationMark_ = Named(new QComboBox(box), "cboFileImportQuotationMark");
    rdoFileImportAllColumns_ = choice("All columns", "rdoFileImportAllColumns", box);
    rdoFileImportOneColumn_ = choice("Select a Column :", "rdoFileImportOneColumn", box);
    edtFileImportColumnNumber_ =
        Named(new QLineEdit("1", box), "edtFileImportColumnNumber",
              "The number of the column to import, or a pattern of columns such as {1} {2} "
              "({3}): one entry per row, built from those columns.");
    edtFileImportColumnNumber_->setMaximumWidth(140);
    UDFileImportColumnNumber_ = Named(
        new UpDownControl(edtFileImportColumnNumber_, 1, 100, UpDownControl::AtEnd::Wrap, box),
        "UDFileImportColumnNumber");
    chkFileImportAbandonQMarks_ =
        Named(new QCheckBox("Abandon Quotation Marks around strings (if any).", box),
              "chkFileImportAbandonQMarks");
    chkFileImportAbandonQMarks_->setChecked(true);
    chkFileImportDeleteContent_ =
        Named(new QCheckBox("Delete the content", box), "chkFileImportDeleteContent");
    lblFileImportStep2_ = stepLabel("2.", "lblFileImportStep2", box);
    btnFileImportFrom_ =
        Named(new QPushButton("Create a      Folder/String  List", box), "btnFileImportFrom");
    btnFileImportFrom_->setAutoDefault(false);

    // Kept for the reading settings they carry, never shown.
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{rdoFileImportColumnSeparatedFile_,
                                         cboFileImportQuotationMark_, chkFileImportDeleteContent_})
        hidden->setVisible(false);

    auto* grid = new QGridLayout(box);
    grid->addWidget(rdoFileImportPlainText_, 0, 0, 1, 3);
    grid->addWidget(rdoFileImportSeparatedFile_, 1, 0, 1, 3);
    grid->addWidget(lblFileImportDelimiter_, 2, 0);
    grid->addWidget(cboFileImportDelimiter_, 2, 1, 1, 2);
    grid->addWidget(rdoFileImportAllColumns_, 3, 0, 1, 3);
    grid->addWidget(rdoFileImportOneColumn_, 4, 0);
    grid->addWidget(edtFileImportColumnNumber_, 4, 1);
    grid->addWidget(UDFileImportColumnNumber_, 4, 2, Qt::AlignLeft);
    grid->addWidget(chkFileImportAbandonQMarks_, 5, 0, 1, 3);
    auto* build = new QHBoxLayout;
    build->addWidget(lblFileImportStep2_);
    build->addWidget(btnFileImportFrom_, 1);
    grid->addLayout(build, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    return box;
}

QLayout* TfrmFileImport::buildButtonsRow() {
    lblFileImportStep3_ = stepLabel("3.", "lblFileImportStep3", this);
    btnFileImportOk_ = Named(new QPushButton("IMPORT", this), "btnFileImportOk");
    btnFileImportOk_->setDefault(true);
    btnFileImportCancel_ = Named(new QPushButton("Cancel", this), "btnFileImportCancel");
    btnFileImportClear_ = Named(new QPushButton("Clear All  ", this), "btnFileImportClear");
    btnFileImportHelp_ = Named(new QPushButton("Help", this), "btnFileImportHelp");
    btnFileImportVideo_ = Named(new QPushButton("Video", this), "btnFileImportVideo");
    btnFileImportVideo_->setVisible(false);
    for (auto* button : {btnFileImportCancel_, btnFileImportClear_, btnFileImportHelp_})
        button->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(lblFileImportStep3_);
    row->addWidget(btnFileImportOk_);
    row->addStretch();
    row->addWidget(btnFileImportClear_);
    row->addWidget(btnFileImportCancel_);
    row->addWidget(btnFileImportHelp_);
    row->addWidget(btnFileImportVideo_);
    return row;
}

} // namespace dirforge::ui
