#include "ui/pages/paths/PathsPage.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "engine/PageRunState.h"
#include "lists/ListLineRule.h"
#include "ui/app/AppContext.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmVol04EditIncludeList.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/IncludeExcludePanel.h"
#include "ui/pages/PageRow.h"
#include "ui/pages/PrefixSuffixGroup.h"
#include "ui/pages/run/PageRunPanel.h"
#include "ui/seams/ModalRunner.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace dirforge::ui {

namespace {

constexpr const char* kAddEmptyPathText = "The text field is empty !!!";

/// The end message's count of the lines taken and left.
std::string ImportCountText(std::size_t added, std::size_t skipped) {
    return "\n" + std::to_string(added) + " line(s) added to the Include list, " +
           std::to_string(skipped) +
           " skipped (already listed, blank, without a drive letter, or a host path on no mapped "
           "drive).\n";
}

} // namespace

PathsPage::PathsPage(AppContext& context, engine::PageRunState& state, QWidget* parent)
    : ListPage(PathsPageRow(), context, state, parent) {
    setObjectName(QStringLiteral("pgeVol04Paths"));
    buildLayout(addFrame(QStringLiteral("Create Folders from a List of Full Paths (on "
                                        "any Drive). Attach Folder Structures/Templates "
                                        "to Each NEWLY Created Folder.")));

    connect(lists_, &IncludeExcludePanel::addRequested, this, &PathsPage::btnVol04AddToListClick);
    connect(lists_, &IncludeExcludePanel::importRequested, this,
            &PathsPage::btnVol04SmartImportClick);
    connect(lists_, &IncludeExcludePanel::exportRequested, this,
            &PathsPage::btnVol04SmartExportClick);
    connect(lists_, &IncludeExcludePanel::editRequested, this,
            &PathsPage::btnVol04EditIncludeListClick);
    // A dropped folder becomes an entry as if typed into the entry field and added.
    acceptIncludeDrops([this](const std::string& folder) {
        lists_->setEntryText(folder);
        btnVol04AddToListClick();
    });
}

void PathsPage::buildLayout(QGroupBox* frame) {
    auto* right = new QVBoxLayout;
    right->addWidget(framing_);
    right->addWidget(attach_, 1);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(lists_, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(run_, 1, 0, 1, 2);
    grid->setColumnStretch(0, 11);
    grid->setColumnStretch(1, 10);
    grid->setRowStretch(0, 1);
}

void PathsPage::applyInitialState() {
    state_.results.counters.resetToCreate();
    SetPageEnabled(false);
    lists_->showCounts();
    attach_->showCount();
}

void PathsPage::saveSetup(settings::PageSetup& setup) const {
    settings::PathsPageSettings& page = setup.paths;
    settings::StoreChoices(sharedChoices(), page);
    page.lstVol04IncludeFolderList = lists_->include().entries();
    page.lstVol04ExcludeFolderList = lists_->exclude().entries();
    page.edtVol04AddToList = lists_->entryText();
}

void PathsPage::restoreSetup(const settings::PageSetup& setup) {
    const settings::PathsPageSettings& page = setup.paths;
    lists_->include().assign(page.lstVol04IncludeFolderList);
    lists_->exclude().assign(page.lstVol04ExcludeFolderList);
    lists_->setEntryText(page.edtVol04AddToList);
    restoreSharedChoices(settings::ChoicesOf(page));
    RefreshPageState();
    attach_->showCount();
}

void PathsPage::SetPageEnabled(bool enabled) {
    framing_->setEnabled(enabled);
    attach_->setEnabled(enabled);
    run_->setOptionsEnabled(enabled);
    if (enabled)
        attach_->applyModeSetup();
    UpdateCreateButtons(enabled);
}

void PathsPage::RefreshPageState() {
    const bool hasPaths = lists_->include().size() > 0;
    SetPageEnabled(hasPaths);
    UpdateCreateButtons(hasPaths);
    run_->recountTargets(attach_->withFiles());
    lists_->showCounts();
}

engine::RunRequest PathsPage::buildRunRequest() const {
    // No "Show Explorer" box: the paths carry their own places, there is no one folder to show.
    engine::RunRequest request = sharedRequest();
    request.listNames = &lists_->include().entries();
    return request;
}

bool PathsPage::addPaths(const std::string& trimmed, std::string& refusal) {
    std::vector<std::string> pieces;
    if (!core::AddFullPathsFromText(pieces, trimmed, refusal))
        return false;
    bool allAdded = true;
    NameListModel& include = lists_->include();
    for (const std::string& piece : pieces) {
        const std::string path = core::TrimSpaces(piece);
        std::string message;
        if (!core::CheckFolderPath(path, message))
            refusal = message;
        else if (include.contains(path))
            refusal = kInIncludeText;
        else if (lists_->exclude().contains(path))
            refusal = kInExcludeText;
        else {
            include.add(path);
            continue;
        }
        allAdded = false;
    }
    return allAdded;
}

void PathsPage::btnVol04AddToListClick() {
    const PageMessageTitles& titles = row_.titles;
    platform::Prompt& prompt = context_.prompt();
    const platform::TypedPath typed = context_.typedPath(lists_->entryText());
    const std::string trimmed = core::Trim(typed.path);
    std::string message;
    if (typed.kind == platform::TypedPath::Kind::Unmapped) {
        context_.warnUnmappedPath(typed.path);
    } else if (trimmed.empty()) {
        prompt.warn(kAddEmptyPathText, titles.addEmpty);
    } else if (!core::AnalyzeColons(trimmed, message)) {
        prompt.warn(message, titles.addHasDrive);
    } else if (!addPaths(trimmed, message)) {
        // Pieces that passed are in INCLUDE; the field keeps what was typed so the rest can be
        // mended.
        prompt.warn(message, titles.addIllegal);
    } else {
        std::string normalized;
        if (core::CheckIncludeText(trimmed, normalized, message)) {
            lists_->setEntryText(normalized);
            lists_->selectEntryText(); // typing the next path replaces this one
        }
    }
    RefreshPageState();
    focusEntryField();
}

void PathsPage::btnVol04SmartImportClick() {
    TfrmFileImport& import = context_.fileImport();
    const bool accepted = context_.modalRunner().run(import) == QDialog::Accepted;
    import.clearSource();
    const std::vector<std::string>& lines = import.preview().entries();
    std::string endText = kImportEndText;
    if (lines.empty()) {
        context_.prompt().warn(kImportNoLinesText, row_.titles.includeImportNoLines);
    } else if (accepted) {
        const NameListModel& exclude = lists_->exclude();
        std::vector<std::string> paths;
        for (const std::string& line : lines) {
            lists::ListLine path = lists::PathsPageLine(context_.typedPath(line));
            if (path.taken() && !exclude.contains(path.entry))
                paths.push_back(std::move(path.entry));
        }
        const int before = lists_->include().size();
        lists_->include().addMany(paths); // skips what INCLUDE holds, and repeats within the file
        const auto added = static_cast<std::size_t>(lists_->include().size() - before);
        endText += ImportCountText(added, lines.size() - added);
        import.clearPreview();
    }
    RefreshPageState();
    context_.prompt().warn(endText, row_.titles.includeImportEnd);
    lists_->addButton()->setFocus();
}

void PathsPage::btnVol04SmartExportClick() {
    exportInclude([](const std::string& entry) { return core::HasDrivePart(entry); }, "FOLDERS");
}

void PathsPage::btnVol04EditIncludeListClick() {
    if (context_.pathsIncludeEditor().edit(lists_->include().entries()))
        RefreshPageState();
    focusEntryField();
}

void PathsPage::clearOwnPieces() {
    lists_->clear();
}

} // namespace dirforge::ui
