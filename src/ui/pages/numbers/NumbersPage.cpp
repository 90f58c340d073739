#include "ui/pages/numbers/NumbersPage.h"

#include "engine/IncreasedNumbers.h"
#include "engine/PageRunState.h"
#include "settings/SettingsStore.h"
#include "ui/app/AppContext.h"
#include "ui/common/ControlNames.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/DestinationGroup.h"
#include "ui/pages/PageRow.h"
#include "ui/pages/PrefixSuffixGroup.h"
#include "ui/pages/numbers/NumberRangeGroup.h"
#include "ui/pages/run/PageRunPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {
// Unlike the strings page's, this page's closing text has no line break.
} // namespace

NumbersPage::NumbersPage(AppContext& context, engine::PageRunState& state, QWidget* parent)
    : ComposedPage(NumbersPageRow(), context, state, parent) {
    setObjectName(QStringLiteral("pgeVol03IncreasedNumbers"));
    numbers_ = new NumberRangeGroup(this);
    chkAddIncNumbersAsSuffix_ =
        Named(new QCheckBox(QStringLiteral("Add Increased Numbers as Suffixes to Subfolders.")),
              "chkVol03AddIncNumbersAsSuffix",
              "Append the folder's number to every subfolder of the text templates.");
    attach_->addTemplateOption(chkAddIncNumbersAsSuffix_);
    destination_ = new DestinationGroup(row_, context, *attach_, this);
    connect(destination_, &DestinationGroup::accepted, this, [this] { SetPageEnabled(true); });
    // An empty choice switches the page off even while an earlier destination stays selected.
    connect(destination_, &DestinationGroup::emptyChosen, this, [this] { SetPageEnabled(false); });
    connect(run_, &PageRunPanel::destinationUsed, destination_,
            &DestinationGroup::moveDestinationToTop);
    connect(run_, &PageRunPanel::endNumberWanted, numbers_, &NumberRangeGroup::focusEndNumber);
    buildLayout(addFrame(QStringLiteral("Create Folders from Increased Numbers. Attach "
                                        "Folder Structures/Templates to Each NEWLY "
                                        "Created Folder.")));

    connect(numbers_, &NumberRangeGroup::numbersTaken, this, &NumbersPage::numbersTaken);
}

void NumbersPage::buildLayout(QGroupBox* frame) {
    auto* numbersBox = new QGroupBox(QStringLiteral("Increased Numbers"), frame);
    numbersBox->setObjectName(QStringLiteral("grpVol03Numbers"));
    auto* numbersLayout = new QVBoxLayout(numbersBox);
    numbersLayout->addWidget(numbers_);
    auto* framingBox = new QGroupBox(QStringLiteral("Folder Names"), frame);
    framingBox->setObjectName(QStringLiteral("grpVol03FolderNames"));
    auto* framingLayout = new QVBoxLayout(framingBox);
    framingLayout->addWidget(framing_);

    auto* left = new QVBoxLayout;
    left->addWidget(numbersBox);
    left->addWidget(framingBox);
    left->addStretch(1);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(destination_, 0, 0, 1, 2);
    grid->addLayout(left, 1, 0);
    grid->addWidget(attach_, 1, 1);
    grid->addWidget(run_, 2, 0, 1, 2);
    grid->setColumnStretch(0, 9);
    grid->setColumnStretch(1, 10);
    grid->setRowStretch(1, 1);
}

std::size_t NumbersPage::nameCount() const {
    return static_cast<std::size_t>(
        engine::CountOfNumbers(numbers_->startNumber(), numbers_->endNumber()));
}

void NumbersPage::applyInitialState() {
    state_.results.counters.resetToCreate();
    destination_->restoreHistory(context_.settings().numbers.cboVol03DestFoldersHistory);
    SetPageEnabled(false);
    attach_->showCount();
}

void NumbersPage::saveSetup(settings::PageSetup& setup) const {
    settings::NumbersPageSettings& page = setup.numbers;
    settings::StoreChoices(sharedChoices(), page);
    page.cboVol03DestFoldersHistory = destination_->entries();
    page.cboVol03DestFoldersText = destination_->destination();
    page.edtVol03StartNumber = numbers_->startText();
    page.edtVol03EndNumber = numbers_->endText();
    page.chkVol03PaddedZeroes = numbers_->padded() ? 1 : 0;
    page.chkVol03AddIncNumbersAsSuffix = chkAddIncNumbersAsSuffix_->isChecked() ? 1 : 0;
}

void NumbersPage::restoreSetup(const settings::PageSetup& setup) {
    const settings::NumbersPageSettings& page = setup.numbers;
    // A profile without number texts starts at 1.
    numbers_->restore(page.edtVol03StartNumber.empty() ? "1" : page.edtVol03StartNumber,
                      page.edtVol03EndNumber.empty() ? "1" : page.edtVol03EndNumber,
                      page.chkVol03PaddedZeroes != 0);
    restoreSharedChoices(settings::ChoicesOf(page));
    if (!destination_->restoreDestination(page.cboVol03DestFoldersHistory,
                                          page.cboVol03DestFoldersText))
        SetPageEnabled(false);
    // Taking a destination unchecks the box; the profile's choice comes after.
    chkAddIncNumbersAsSuffix_->setChecked(page.chkVol03AddIncNumbersAsSuffix != 0);
    attach_->showCount();
}

void NumbersPage::clearLists() {
    attach_->structures().clear();
}

void NumbersPage::SetPageEnabled(bool enabled) {
    destination_->viewButton()->setEnabled(enabled);
    numbers_->setEnabled(enabled);
    framing_->setEnabled(enabled);
    attach_->setEnabled(enabled);
    run_->setOptionsEnabled(enabled);
    chkAddIncNumbersAsSuffix_->setChecked(false);
    if (enabled)
        attach_->applyModeSetup();
    UpdateCreateButtons(enabled);
}

void NumbersPage::RefreshPageState() {
    run_->recountTargets(attach_->withFiles());
    UpdateCreateButtons(attach_->isEnabled());
    attach_->showCount();
}

engine::RunRequest NumbersPage::buildRunRequest() const {
    engine::RunRequest request = sharedRequest();
    request.numbers = numbers_->range();
    request.numbers.addNumbersToSubfolders = chkAddIncNumbersAsSuffix_->isChecked();
    request.destination = destination_->destination();
    return request;
}

void NumbersPage::focusEntryField() {
    numbers_->focusStartNumber();
}

void NumbersPage::SetDestination(const std::string& path) {
    destination_->SetDestination(path);
}

void NumbersPage::numbersTaken() {
    // Only the "to create" column follows the numbers: the result counters stay with the result
    // lists of the last run, which the visual log still shows.
    run_->recountTargets(attach_->withFiles());
}

void NumbersPage::clearOwnPieces() {
    destination_->clear();
    numbers_->reset();
    chkAddIncNumbersAsSuffix_->setChecked(false);
}

} // namespace dirforge::ui
