#include "ui/pages/AttachGroup.h"

#include "ui/app/AppContext.h"
#include "ui/common/ControlNames.h"
#include "ui/common/ListActions.h"
#include "ui/common/ListViews.h"
#include "ui/common/PathDrops.h"
#include "ui/common/QtText.h"
#include "ui/pages/PageRow.h"
#include "ui/seams/ModalRunner.h"
#include "ui/windows/TfrmFolderTemplateOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dirforge::ui {

namespace {

using engine::AttachMode;
using engine::CopyVariant;

// One copy-variant radio button: the variant, its control name's role and its caption.
struct VariantRadio {
    CopyVariant variant;
    const char* role;
    const char* caption;
};

// In the order of CopyVariant.
constexpr std::array<VariantRadio, 4> kVariants = {{
    {CopyVariant::MainFolderWithoutFiles, "AttachMainFolderWithoutFiles",
     "Main Folders and their Subfolders - Without Files."},
    {CopyVariant::SubFoldersOnlyWithoutFiles, "AttachSubFoldersOnlyWithoutFiles",
     "Subfolders Only - Without Files."},
    {CopyVariant::MainFolderWithFiles, "AttachMainFolderWithFiles", nullptr}, // the page's caption
    {CopyVariant::SubFoldersOnlyWithFiles, "AttachSubFoldersOnlyWithFiles",
     "Subfolders Only - With Files."},
}};

} // namespace

AttachGroup::AttachGroup(const PageRow& row, AppContext& context, QWidget* parent)
    : QWidget(parent), row_(row), context_(context) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildRadios(row));
    layout->addLayout(buildStructureWindow(row), 1);
    reset();
}

QWidget* AttachGroup::buildRadios(const PageRow& row) {
    auto* group = new QGroupBox(
        QStringLiteral("Attach Folder Structures (Templates) to Each Created Folder"), this);
    group->setObjectName(ControlName(row, "grp", "AttachFolderStructures"));
    auto radio = [group, &row](const char* role, const char* caption, const char* hint = nullptr) {
        return Named(new QRadioButton(QString::fromLatin1(caption), group),
                     qPrintable(ControlName(row, "rdo", role)), hint);
    };
    const PageCaptions& captions = row.captions();
    rdoFullPaths_ = radio(
        "StructureImportFullPaths", captions.fullPathsRadio,
        "Attach Existing Folder Structures from Existing Devices (Hard Drive, CD, DVD, etc.)  "
        "(f:\\Music\\project01).");
    rdoRelativePaths_ = radio(
        "StructureImportRelativePaths", captions.relativePathsRadio,
        "Attach Non Existing Paths from Plain Text Files (.txt .or .csv) without Drive Letters "
        "( \\project\\customer).");
    rdoNothing_ = radio(
        "AttachNothing", "Attach Nothing.",
        "Folders from the Include List will be created without attaching any Folder Structure.");
    auto* modes = new QButtonGroup(this);
    auto* variants = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    for (QRadioButton* button : {rdoFullPaths_, rdoRelativePaths_}) {
        modes->addButton(button);
        layout->addWidget(button);
        if (button == rdoFullPaths_) {
            for (const VariantRadio& entry : kVariants) {
                QRadioButton* variant =
                    radio(entry.role,
                          entry.caption != nullptr ? entry.caption : captions.mainFolderWithFiles);
                variants->addButton(variant);
                rdoVariants_[static_cast<std::size_t>(entry.variant)] = variant;
                auto* indented = new QHBoxLayout;
                indented->addSpacing(18);
                indented->addWidget(variant);
                layout->addLayout(indented);
                connect(variant, &QRadioButton::clicked, this, &AttachGroup::rdoCopyVariantClick);
            }
        }
    }
    btnOptions_ = Named(new QPushButton(QStringLiteral("Options"), group),
                        qPrintable(ControlName(row, "btn", "FolderTemplatesOptions")),
                        "Options for Folder Templates");
    // "Options" belongs to the text-file templates: it stands on their radio's line.
    QLayoutItem* templatesLine = layout->takeAt(layout->count() - 1);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(templatesLine->widget());
    delete templatesLine;
    optionsRow->addWidget(btnOptions_);
    optionsRow->addStretch();
    layout->addLayout(optionsRow);
    modes->addButton(rdoNothing_);
    layout->addWidget(rdoNothing_);
    buildChoiceBoxes(row, group, layout);

    connect(rdoFullPaths_, &QRadioButton::clicked, this,
            &AttachGroup::rdoStructureImportFullPathsClick);
    connect(rdoRelativePaths_, &QRadioButton::clicked, this,
            &AttachGroup::rdoStructureImportRelativePathsClick);
    connect(rdoNothing_, &QRadioButton::clicked, this, &AttachGroup::rdoAttachNothingClick);
    connect(btnOptions_, &QPushButton::clicked, this, &AttachGroup::btnFolderTemplatesOptionsClick);
    return group;
}

void AttachGroup::buildChoiceBoxes(const PageRow& row, QWidget* group, QVBoxLayout* layout) {
    chkFillExisting_ = Named(
        new QCheckBox(QStringLiteral("Also complete folders that already exist."), group),
        qPrintable(ControlName(row, "chk", "FillExisting")),
        "Folders of the list that already exist receive the structure too: only what is missing "
        "is made, nothing there is changed or overwritten, and the undo removes only what the run "
        "made.");
    chkTokens_ = Named(
        new QCheckBox(QStringLiteral("Replace {name} and {date} in names and structures."), group),
        qPrintable(ControlName(row, "chk", "Tokens")),
        "In the prefix, the suffix, template lines, the names of copied folders and files and "
        "the contents of small text files: {name} becomes the new folder's name, {item} the list "
        "entry, {date} today's date (yyyy-mm-dd), {yyyy}, {mm} and {dd} its parts.");
    layout->addWidget(chkFillExisting_);
    layout->addWidget(chkTokens_);
}

QLayout* AttachGroup::buildStructureWindow(const PageRow& row) {
    auto button = [this, &row](const char* role, const char* caption, const char* hint) {
        return Named(new QPushButton(QString::fromLatin1(caption), this),
                     qPrintable(ControlName(row, "btn", role)), hint);
    };
    lblStructures_ = Named(new QLabel(QStringLiteral("Folder Structures/Templates"), this),
                           qPrintable(ControlName(row, "lbl", "FolderStructuresTemplates")));
    lblLines_ = Named(new QLabel(QStringLiteral("Lines:"), this),
                      qPrintable(ControlName(row, "lbl", "FolderStructuresTemplatesLines")));
    lblSum_ = Named(new QLabel(this),
                    qPrintable(ControlName(row, "lbl", "FolderStructuresTemplatesSum")));
    lblSum_->setMinimumWidth(40);
    lstStructures_ = MakeListView(ControlName(row, "lst", "AddFolderStructure"), &structures_,
                                  kPageListExtent, this);
    btnAdd_ = button("AddFolderStructure", "Add Structure", "Add  Additional Subfolder structure.");
    btnImport_ =
        button("ImportFolderStructuresTemplates", "Import",
               "Import Folder Templates from Text Files (.txt .or .csv) - No Drive Letters "
               "(\\projects\\customers).");
    btnExport_ =
        button("ExportFolderStructuresTemplates", "Export",
               "Export the Content of the Folder Structures / Templates Window to a Text File.");
    btnEdit_ = button("EditFolderStructuresTemplates", "Edit",
                      "Edit the content of the Folder Structures/Templates window.");
    btnView_ = button("ViewFolderStructure", "View Selected", "View Selected Folder Structure");
    btnDeleteSel_ = button("DeleteSelFolderStructuresTemplates", row.captions().deleteSelButton,
                           "Delete Selected Folder Structures /Templates  from the window.");
    btnDeleteAll_ =
        button("DeleteAllFolderStructuresTemplates", "Delete All",
               "Delete the Entire Content of the Folder Structures / Templates Window.");

    lstStructures_->setAccessibleName(QStringLiteral("Folder Structures/Templates list"));
    btnImport_->setAccessibleName(QStringLiteral("Import structures"));
    btnExport_->setAccessibleName(QStringLiteral("Export structures"));
    btnEdit_->setAccessibleName(QStringLiteral("Edit structures"));
    btnDeleteSel_->setAccessibleName(QStringLiteral("Delete selected structures"));
    btnDeleteAll_->setAccessibleName(QStringLiteral("Delete all structures"));
    // Folders dropped from a file manager, while existing structures are chosen, are taken as
    // if picked with "Add Structure".
    AcceptPathDrops(
        *lstStructures_->viewport(),
        [this](const QStringList& paths) {
            return mode() == AttachMode::Existing && btnAdd_->isEnabled() && AllFolders(paths);
        },
        [this](const QStringList& paths) {
            for (const QString& path : paths)
                if (const std::optional<std::string> folder = context_.takeTypedPath(FromQt(path)))
                    takeStructureFolder(*folder);
        });
    OfferButtonsOnList(
        *lstStructures_,
        {btnAdd_, btnView_, btnDeleteSel_, btnDeleteAll_, btnImport_, btnExport_, btnEdit_},
        btnDeleteSel_);

    auto* caption = new QHBoxLayout;
    caption->addWidget(lblStructures_);
    caption->addStretch();
    caption->addWidget(lblLines_);
    caption->addWidget(lblSum_);
    auto* buttons = new QGridLayout;
    buttons->addWidget(btnAdd_, 0, 0);
    buttons->addWidget(btnView_, 0, 1);
    buttons->addWidget(btnDeleteSel_, 0, 2);
    buttons->addWidget(btnDeleteAll_, 0, 3);
    buttons->addWidget(btnImport_, 1, 0);
    buttons->addWidget(btnExport_, 1, 1);
    buttons->addWidget(btnEdit_, 1, 2);
    auto* layout = new QVBoxLayout;
    layout->addLayout(caption);
    layout->addWidget(lstStructures_, 1);
    layout->addLayout(buttons);

    connect(btnAdd_, &QPushButton::clicked, this, &AttachGroup::btnAddFolderStructureClick);
    connect(btnImport_, &QPushButton::clicked, this,
            &AttachGroup::btnImportFolderStructuresTemplatesClick);
    connect(btnExport_, &QPushButton::clicked, this,
            &AttachGroup::btnExportFolderStructuresTemplatesClick);
    connect(btnEdit_, &QPushButton::clicked, this,
            &AttachGroup::btnEditFolderStructuresTemplatesClick);
    connect(btnView_, &QPushButton::clicked, this, &AttachGroup::btnViewFolderStructureClick);
    connect(btnDeleteSel_, &QPushButton::clicked, this,
            &AttachGroup::btnDeleteSelFolderStructuresTemplatesClick);
    connect(btnDeleteAll_, &QPushButton::clicked, this,
            &AttachGroup::btnDeleteAllFolderStructuresTemplatesClick);
    return layout;
}

AttachMode AttachGroup::mode() const {
    if (rdoNothing_->isChecked())
        return AttachMode::Nothing;
    return rdoRelativePaths_->isChecked() ? AttachMode::TextTemplates : AttachMode::Existing;
}

bool AttachGroup::modeEnabled() const {
    const QRadioButton* checked = mode() == AttachMode::Nothing         ? rdoNothing_
                                  : mode() == AttachMode::TextTemplates ? rdoRelativePaths_
                                                                        : rdoFullPaths_;
    return checked->isEnabled();
}

CopyVariant AttachGroup::copyVariant() const {
    for (const VariantRadio& entry : kVariants)
        if (rdoVariants_[static_cast<std::size_t>(entry.variant)]->isChecked())
            return entry.variant;
    return CopyVariant::MainFolderWithoutFiles;
}

bool AttachGroup::withFiles() const {
    return rdoVariants_[static_cast<std::size_t>(CopyVariant::MainFolderWithFiles)]->isChecked() ||
           rdoVariants_[static_cast<std::size_t>(CopyVariant::SubFoldersOnlyWithFiles)]
               ->isChecked();
}

bool AttachGroup::runButtonsAllowed(bool requested, bool hasEntries) const {
    if (!hasEntries)
        return false;
    if (structures_.size() > 0)
        return isEnabled() ? true : requested; // every attach radio off: as requested
    return isEnabled() && mode() == AttachMode::Nothing;
}

void AttachGroup::fillRequest(engine::RunRequest& request) const {
    request.attachMode = mode();
    request.attachRadioEnabled = isEnabled() && modeEnabled();
    request.copyVariant = copyVariant();
    request.structureLines = structureLines();
    request.fillExisting = fillExisting();
    request.tokens = tokens();
}

bool AttachGroup::fillExisting() const {
    return chkFillExisting_->isChecked();
}

bool AttachGroup::tokens() const {
    return chkTokens_->isChecked();
}

void AttachGroup::restoreChoiceBoxes(bool fillExisting, bool tokens) {
    chkFillExisting_->setChecked(fillExisting);
    chkTokens_->setChecked(tokens);
}

void AttachGroup::showCount() {
    lblSum_->setText(QString::number(structures_.size()));
}

void AttachGroup::focusAddStructure() {
    btnAdd_->setFocus();
}

void AttachGroup::reset() {
    structures_.clear();
    rdoFullPaths_->setChecked(true);
    rdoVariants_[static_cast<std::size_t>(CopyVariant::MainFolderWithoutFiles)]->setChecked(true);
    restoreChoiceBoxes(false, false);
    lblSum_->clear();
}

void AttachGroup::restore(AttachMode attachMode, CopyVariant variant,
                          const std::vector<std::string>& lines) {
    QRadioButton* modeRadio = attachMode == AttachMode::Nothing         ? rdoNothing_
                              : attachMode == AttachMode::TextTemplates ? rdoRelativePaths_
                                                                        : rdoFullPaths_;
    modeRadio->setChecked(true);
    rdoVariants_[static_cast<std::size_t>(variant)]->setChecked(true);
    structures_.assign(attachMode == AttachMode::Nothing ? std::vector<std::string>{} : lines);
    setTemplateControlsEnabled(attachMode == AttachMode::TextTemplates && isEnabled());
    showCount();
}

void AttachGroup::setStructureControls(StructureControls controls) {
    const bool existing = controls == StructureControls::ExistingFolders;
    const bool templates = controls == StructureControls::TextTemplates;
    const bool window = controls != StructureControls::None;
    btnAdd_->setEnabled(existing);
    btnView_->setEnabled(existing);
    btnImport_->setEnabled(templates);
    btnExport_->setEnabled(templates);
    btnEdit_->setEnabled(templates);
    btnDeleteSel_->setEnabled(window);
    btnDeleteAll_->setEnabled(window);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{lblStructures_, lblLines_, lblSum_, lstStructures_})
        widget->setEnabled(window);
}

void AttachGroup::finishSetup(bool withFilesCount) {
    emit countsChanged(withFilesCount);
    showCount();
    emit runRuleChanged(true);
}

void AttachGroup::addTemplateOption(QWidget* option) {
    auto* radios = qobject_cast<QVBoxLayout*>(rdoNothing_->parentWidget()->layout());
    auto* indented = new QHBoxLayout;
    indented->addSpacing(18);
    indented->addWidget(option);
    radios->insertLayout(radios->indexOf(rdoNothing_), indented);
    option->setEnabled(mode() == AttachMode::TextTemplates);
    templateOptions_.push_back(option);
}

void AttachGroup::setTemplateControlsEnabled(bool enabled) {
    btnOptions_->setEnabled(enabled);
    for (QWidget* option : templateOptions_)
        option->setEnabled(enabled);
}

void AttachGroup::applyModeSetup() {
    switch (mode()) {
    case AttachMode::Nothing:
        rdoAttachNothingClick();
        break;
    case AttachMode::TextTemplates:
        textTemplatesSetup();
        break;
    case AttachMode::Existing:
        existingSetup();
        break;
    }
}

void AttachGroup::rdoAttachNothingClick() {
    setTemplateControlsEnabled(false);
    for (QRadioButton* variant : rdoVariants_)
        variant->setEnabled(false);
    setStructureControls(StructureControls::None);
    structures_.clear();
    emit nothingAttached();
    lblSum_->setText(QStringLiteral("0"));
    emit runRuleChanged(true);
}

void AttachGroup::rdoStructureImportRelativePathsClick() {
    structures_.clear();
    textTemplatesSetup();
}

void AttachGroup::rdoStructureImportFullPathsClick() {
    structures_.clear();
    existingSetup();
}

void AttachGroup::textTemplatesSetup() {
    setTemplateControlsEnabled(true);
    for (QRadioButton* variant : rdoVariants_)
        variant->setEnabled(false);
    setStructureControls(StructureControls::TextTemplates);
    finishSetup(false);
}

void AttachGroup::enableForExisting() {
    for (QRadioButton* variant : rdoVariants_)
        variant->setEnabled(true);
    setTemplateControlsEnabled(false);
    setStructureControls(StructureControls::ExistingFolders);
}

void AttachGroup::existingSetup() {
    enableForExisting();
    if (std::none_of(rdoVariants_.begin(), rdoVariants_.end(),
                     [](QRadioButton* b) { return b->isChecked(); }))
        rdoVariants_[static_cast<std::size_t>(CopyVariant::MainFolderWithoutFiles)]->setChecked(
            true);
    finishSetup(false);
}

void AttachGroup::rdoCopyVariantClick() {
    enableForExisting();
    emit countsChanged(withFiles());
    emit runRuleChanged(true);
}

void AttachGroup::btnFolderTemplatesOptionsClick() {
    context_.templateOptions().showForPage(context_.modalRunner(), row_.kind);
}

} // namespace dirforge::ui
