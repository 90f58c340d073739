#include "ui/pages/strings/StringsPage.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "engine/PageRunState.h"
#include "lists/ListLineRule.h"
#include "settings/SettingsStore.h"
#include "ui/app/AppContext.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmVol02EditIncludeList.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/DestinationGroup.h"
#include "ui/pages/IncludeExcludePanel.h"
#include "ui/pages/PageRow.h"
#include "ui/pages/PrefixSuffixGroup.h"
#include "ui/pages/run/PageRunPanel.h"
#include "ui/seams/ModalRunner.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

constexpr const char* kAddEmptyText = "The text field is empty !\nAction : You must enter a "
                                      "different name to add to the Include List.";
constexpr const char* kHasDriveText = "This item is a Folder Name (with drive letter) !\nAction : "
                                      "You must enter a string without a drive letter !!!";
constexpr const char* kIllegalTextLead = "Illegal character in the Text : ";

/// A name as the INCLUDE list keeps it: backslashes, no doubled ones.
std::string NameForm(const std::string& text) {
    return core::CollapseBackslashes(core::ToBackslashes(text));
}

} // namespace

StringsPage::StringsPage(AppContext& context, engine::PageRunState& state, QWidget* parent)
    : ListPage(StringsPageRow(), context, state, parent) {
    setObjectName(QStringLiteral("pgeVol02Strings"));
    destination_ = new DestinationGroup(row_, context, *attach_, this);
    buildLayout(addFrame(QStringLiteral("Create Folders from a List of Strings. Attach "
                                        "Folder Structures/Templates to Each NEWLY "
                                        "Created Folder.")));

    connect(destination_, &DestinationGroup::accepted, this, [this] {
        lists_->setEnabled(true);
        focusEntryField();
    });
    // An empty choice leaves the page as it is while an earlier destination stays selected.
    connect(destination_, &DestinationGroup::emptyChosen, this, [this](bool earlierKept) {
        if (earlierKept)
            return;
        SetPageEnabled(false);
        UpdateCreateButtons(false);
    });
    connect(run_, &PageRunPanel::destinationUsed, destination_,
            &DestinationGroup::moveDestinationToTop);
    connect(lists_, &IncludeExcludePanel::addRequested, this, &StringsPage::btnVol02AddToListClick);
    connect(lists_, &IncludeExcludePanel::importRequested, this,
            &StringsPage::btnVol02SmartImportClick);
    connect(lists_, &IncludeExcludePanel::exportRequested, this,
            &StringsPage::btnVol02SmartExportClick);
    connect(lists_, &IncludeExcludePanel::editRequested, this,
            &StringsPage::btnVol02EditIncludeListClick);
    acceptIncludeDrops();
}

void StringsPage::buildLayout(QGroupBox* frame) {
    auto* right = new QVBoxLayout;
    right->addWidget(framing_);
    right->addWidget(attach_, 1);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(destination_, 0, 0, 1, 2);
    grid->addWidget(lists_, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->addWidget(run_, 2, 0, 1, 2);
    grid->setColumnStretch(0, 11);
    grid->setColumnStretch(1, 10);
    grid->setRowStretch(1, 1);
}

void StringsPage::applyInitialState() {
    state_.results.counters.resetToCreate();
    destination_->restoreHistory(context_.settings().strings.cboVol02DestFoldersHistory);
    SetPageEnabled(false);
    lists_->showCounts();
    attach_->showCount();
}

void StringsPage::saveSetup(settings::PageSetup& setup) const {
    settings::StringsPageSettings& page = setup.strings;
    settings::StoreChoices(sharedChoices(), page);
    page.cboVol02DestFoldersHistory = destination_->entries();
    page.cboVol02DestFoldersText = destination_->destination();
    page.lstVol02IncludeStrings = lists_->include().entries();
    page.lstVol02ExcludeStrings = lists_->exclude().entries();
    page.edtVol02AddToList = lists_->entryText();
}

void StringsPage::restoreSetup(const settings::PageSetup& setup) {
    const settings::StringsPageSettings& page = setup.strings;
    lists_->include().assign(page.lstVol02IncludeStrings);
    lists_->exclude().assign(page.lstVol02ExcludeStrings);
    lists_->setEntryText(page.edtVol02AddToList);
    restoreSharedChoices(settings::ChoicesOf(page));
    if (destination_->restoreDestination(page.cboVol02DestFoldersHistory,
                                         page.cboVol02DestFoldersText))
        RefreshPageState();
    else
        SetPageEnabled(false);
    lists_->showCounts();
    attach_->showCount();
}

void StringsPage::setOptionGroupEnabled(bool enabled) {
    framing_->setEnabled(enabled);
    attach_->setEnabled(enabled);
    run_->setOptionsEnabled(enabled);
}

void StringsPage::SetPageEnabled(bool enabled) {
    lists_->setEnabled(enabled);
    setOptionGroupEnabled(enabled);
    if (enabled)
        attach_->applyModeSetup();
    UpdateCreateButtons(true);
}

void StringsPage::RefreshPageState() {
    const bool hasNames = lists_->include().size() > 0;
    if (hasNames)
        SetPageEnabled(true);
    else
        setOptionGroupEnabled(false);
    UpdateCreateButtons(hasNames);
    run_->recountTargets(attach_->withFiles());
    lists_->showCounts();
}

engine::RunRequest StringsPage::buildRunRequest() const {
    engine::RunRequest request = sharedRequest();
    request.listNames = &lists_->include().entries();
    request.destination = destination_->destination();
    return request;
}

void StringsPage::SetDestination(const std::string& path) {
    destination_->SetDestination(path);
}

void StringsPage::btnVol02AddToListClick() {
    const std::string typed = lists_->entryText();
    const std::string trimmed = core::Trim(typed);
    const PageMessageTitles& titles = row_.titles;
    std::string found;
    platform::Prompt& prompt = context_.prompt();
    if (trimmed.empty()) {
        prompt.warn(kAddEmptyText, titles.addEmpty);
    } else if (lists_->include().contains(typed)) {
        prompt.warn(kInIncludeText, titles.addInInclude);
    } else if (lists_->exclude().contains(typed)) {
        prompt.warn(kInExcludeText, titles.addInExclude);
    } else if (core::HasDrivePart(trimmed)) {
        prompt.warn(kHasDriveText, titles.addHasDrive);
    } else if (!core::CheckIllegalChars(core::IllegalCharSet::RelativePath, trimmed, found)) {
        prompt.warn(kIllegalTextLead + found, titles.addIllegal);
        lists_->setEntryText(trimmed.substr(0, trimmed.size() - 1));
    } else {
        // The duplicate test above compares the text as typed, so a/b typed twice gives a\b twice.
        const std::string name = NameForm(trimmed);
        lists_->include().names().insert(name);
        lists_->setEntryText(name);
        lists_->selectEntryText(); // typing the next name replaces this one
    }
    RefreshPageState();
    focusEntryField();
}

void StringsPage::btnVol02SmartImportClick() {
    TfrmFileImport& import = context_.fileImport();
    if (context_.modalRunner().run(import) == QDialog::Accepted) {
        const NameListModel& exclude = lists_->exclude();
        std::vector<std::string> names;
        for (const std::string& line : import.preview().entries()) {
            lists::ListLine name = lists::StringsPageLine(line);
            if (name.taken() && !exclude.contains(name.entry))
                names.push_back(std::move(name.entry));
        }
        lists_->include().addMany(names); // skips what INCLUDE holds, and repeats within the file
    }
    RefreshPageState();
    context_.prompt().warn(kImportEndText, row_.titles.includeImportEnd);
    focusEntryField();
}

void StringsPage::btnVol02SmartExportClick() {
    exportInclude([](const std::string& entry) { return !core::HasDrivePart(core::Trim(entry)); },
                  "STRINGS");
}

void StringsPage::btnVol02EditIncludeListClick() {
    if (context_.stringsIncludeEditor().edit(lists_->include().entries()))
        RefreshPageState();
    focusEntryField();
}

void StringsPage::clearOwnPieces() {
    destination_->clear();
    lists_->clear();
}

} // namespace dirforge::ui
