#include "ui/pages/ComposedPage.h"

#include "engine/PageRunState.h"
#include "ui/app/AppContext.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/PageRow.h"
#include "ui/pages/PrefixSuffixGroup.h"
#include "ui/pages/run/PageRunPanel.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace dirforge::ui {

ComposedPage::ComposedPage(const PageRow& row, AppContext& context, engine::PageRunState& state,
                           QWidget* parent)
    : CreationPage(parent), row_(row), context_(context), state_(state) {
    run_ = new PageRunPanel(row_, context, state_, *this, this);
    framing_ = new PrefixSuffixGroup(row_, context.prompt(), this);
    attach_ = new AttachGroup(row_, context, this);
    connectSharedPieces();
}

void ComposedPage::connectSharedPieces() {
    connect(attach_, &AttachGroup::countsChanged, run_, &PageRunPanel::recountTargets);
    connect(attach_, &AttachGroup::nothingAttached, this,
            [this] { run_->countNamesOnly(nameCount()); });
    connect(attach_, &AttachGroup::runRuleChanged, this, &ComposedPage::UpdateCreateButtons);
    connect(attach_, &AttachGroup::runButtonsSet, run_, &PageRunPanel::setRunButtonsEnabled);
    connect(attach_, &AttachGroup::structuresChanged, this, &ComposedPage::RefreshPageState);
    connect(run_, &PageRunPanel::runEnded, this, [this] { UpdateCreateButtons(true); });
    connect(run_, &PageRunPanel::structureWanted, attach_, &AttachGroup::focusAddStructure);
    connect(run_, &PageRunPanel::runLocked, this, &CreationPage::runLocked);
    connect(run_, &PageRunPanel::clearAllRequested, this, &ComposedPage::clearAll);
}

NameListModel& ComposedPage::structureList() {
    return attach_->structures();
}

void ComposedPage::UpdateCreateButtons(bool requested) {
    run_->setRunButtonsEnabled(attach_->runButtonsAllowed(requested, hasItems()));
}

QGroupBox* ComposedPage::addFrame(const QString& caption) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(ControlName(row_, "grp", "CreateFolders"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame);
    return frame;
}

engine::RunRequest ComposedPage::sharedRequest() const {
    engine::RunRequest request;
    request.page = row_.kind;
    framing_->fillRequest(request);
    attach_->fillRequest(request);
    request.showVisualLog = run_->showVisualLog();
    request.showExplorer = run_->showExplorer(); // false where the page has no such box
    request.templateOptions = &context_.templateOptionMap();
    return request;
}

settings::PageChoices ComposedPage::sharedChoices() const {
    settings::PageChoices choices;
    choices.prefix = framing_->prefix();
    choices.suffix = framing_->suffix();
    choices.hyphen = framing_->hyphen();
    choices.mode = attach_->mode();
    choices.variant = attach_->copyVariant();
    choices.structures = attach_->structureLines();
    choices.fillExisting = attach_->fillExisting();
    choices.tokens = attach_->tokens();
    choices.showVisualLog = run_->showVisualLog();
    choices.showExplorer = row_.captions().showExplorerBox ? run_->showExplorer() : true;
    return choices;
}

void ComposedPage::restoreSharedChoices(const settings::PageChoices& choices) {
    framing_->restore(choices.prefix, choices.suffix, choices.hyphen);
    attach_->restore(choices.mode, choices.variant, choices.structures);
    attach_->restoreChoiceBoxes(choices.fillExisting, choices.tokens);
    run_->setBoxes(choices.showVisualLog, choices.showExplorer);
}

void ComposedPage::clearAll() {
    if (!context_.prompt().ask(kClearAllQuestionText, row_.titles.clearAllQuestion))
        return;
    const PageCaptions& captions = row_.captions();
    clearOwnPieces();
    framing_->reset(captions.hyphenCheckedAfterClearAll
                        ? PrefixSuffixGroup::HyphenAfterReset::Checked
                        : PrefixSuffixGroup::HyphenAfterReset::Unchecked);
    attach_->reset();
    run_->resetBoxes();
    run_->clearResults();
    SetPageEnabled(false);
    context_.prompt().show(captions.clearAllDoneText, row_.titles.clearAllDone,
                           captions.clearAllDoneKind);
}

} // namespace dirforge::ui
