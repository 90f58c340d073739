#include "ui/pages/DestinationGroup.h"

#include "core/CaseFold.h"
#include "core/NameList.h"
#include "core/TextRules.h"
#include "engine/DestinationHistory.h"
#include "ui/app/AppContext.h"
#include "ui/common/ControlNames.h"
#include "ui/common/PathDrops.h"
#include "ui/common/QtText.h"
#include "ui/pages/PageQueries.h"
#include "ui/pages/PageRow.h"
#include "ui/windows/TfrmLevelSummFolder.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace dirforge::ui {

namespace {

/// The non-empty entries, each once ignoring case, in order.
std::vector<std::string> DistinctEntries(const std::vector<std::string>& entries) {
    core::NameList seen(core::NameList::Order::Insertion);
    for (const std::string& entry : entries)
        if (!entry.empty() && !seen.contains(entry))
            seen.insert(entry);
    return seen.texts();
}

} // namespace

DestinationGroup::DestinationGroup(const PageRow& row, AppContext& context,
                                   const CopyVariantSource& variants, QWidget* parent)
    : QWidget(parent), row_(row), context_(context), variants_(variants) {
    auto* label = Named(new QLabel(QStringLiteral("Destination Folder :"), this),
                        qPrintable(ControlName(row, "lbl", "DestFolders")));
    cboDestFolders_ = Named(new QComboBox(this), qPrintable(ControlName(row, "cbo", "DestFolders")),
                            "Enter or select the destination folder.");
    cboDestFolders_->setEditable(false);
    cboDestFolders_->setMaxVisibleItems(20);
    cboDestFolders_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDestFolders_->setMinimumContentsLength(40);
    label->setBuddy(cboDestFolders_);
    btnAddDestFolder_ = Named(new QPushButton(QStringLiteral("Browse"), this),
                              qPrintable(ControlName(row, "btn", "AddDestFolder")),
                              "Browse for  a destination folder.");
    btnViewDestFolder_ =
        Named(new QPushButton(QStringLiteral("View"), this),
              qPrintable(ControlName(row, "btn", "ViewDestFolder")), "View a Destination Folder.");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(cboDestFolders_, 1);
    layout->addWidget(btnAddDestFolder_);
    layout->addWidget(btnViewDestFolder_);

    cboDestFolders_->installEventFilter(this);
    // A folder dropped from a file manager is taken as if browsed.
    AcceptPathDrops(
        *cboDestFolders_,
        [](const QStringList& paths) { return paths.size() == 1 && AllFolders(paths); },
        [this](const QStringList& paths) { SetDestination(FromQt(paths.front())); });
    connect(btnAddDestFolder_, &QPushButton::clicked, this,
            &DestinationGroup::btnAddDestFolderClick);
    connect(cboDestFolders_, &QComboBox::activated, this, &DestinationGroup::cboDestFoldersSelect);
    connect(btnViewDestFolder_, &QPushButton::clicked, this,
            &DestinationGroup::btnViewDestFolderClick);
}

std::string DestinationGroup::destination() const {
    return FromQt(cboDestFolders_->currentText());
}

std::vector<std::string> DestinationGroup::entries() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(cboDestFolders_->count()));
    for (int i = 0; i < cboDestFolders_->count(); ++i)
        texts.push_back(FromQt(cboDestFolders_->itemText(i)));
    return texts;
}

void DestinationGroup::Fill(const std::vector<std::string>& texts, int selected) {
    cboDestFolders_->clear();
    for (const std::string& text : texts)
        cboDestFolders_->addItem(ToQt(text));
    cboDestFolders_->setCurrentIndex(selected);
}

void DestinationGroup::restoreHistory(const std::vector<std::string>& history) {
    Fill(DistinctEntries(history), -1);
}

void DestinationGroup::moveDestinationToTop() {
    const std::vector<std::string> updated =
        engine::UpdateDestinationHistory(entries(), destination());
    Fill(updated, updated.empty() ? -1 : 0);
}

void DestinationGroup::clear() {
    cboDestFolders_->clear();
}

bool DestinationGroup::restoreDestination(const std::vector<std::string>& history,
                                          const std::string& destination) {
    std::vector<std::string> texts = DistinctEntries(history);
    const std::string trimmed = core::Trim(destination);
    if (trimmed.empty()) {
        Fill(texts, -1);
        return false;
    }
    const auto present = std::find_if(texts.begin(), texts.end(), [&](const std::string& entry) {
        return core::EqualsIgnoreCase(entry, trimmed);
    });
    if (present == texts.end()) {
        texts.insert(texts.begin(), trimmed);
        Fill(texts, 0);
    } else {
        Fill(texts, static_cast<int>(present - texts.begin()));
    }
    btnViewDestFolder_->setEnabled(true);
    emit accepted();
    return true;
}

void DestinationGroup::SetDestination(const std::string& typed) {
    const platform::TypedPath converted = context_.typedPath(typed);
    if (converted.kind == platform::TypedPath::Kind::Unmapped) {
        context_.warnUnmappedPath(typed); // the page keeps the destination it had
        cboDestFolders_->setFocus();
        return;
    }
    const std::string& path = converted.path;
    context_.levelSummary().ShowDestinationSummary(path, variants_.copyVariant());
    const std::string trimmed = core::Trim(path);
    if (trimmed.empty()) {
        emit emptyChosen(!core::Trim(destination()).empty());
        context_.prompt().warn(row_.captions().destinationEmptyText, row_.titles.destinationEmpty);
        cboDestFolders_->setFocus();
        return;
    }
    std::vector<std::string> texts = entries();
    const auto present = std::find_if(texts.begin(), texts.end(), [&](const std::string& entry) {
        return core::EqualsIgnoreCase(entry, trimmed);
    });
    if (present != texts.end()) {
        cboDestFolders_->setCurrentIndex(static_cast<int>(present - texts.begin()));
    } else {
        // The new path goes to the front, the earlier ones follow in their order.
        texts.insert(texts.begin(), trimmed);
        Fill(DistinctEntries(texts), 0);
    }
    btnViewDestFolder_->setEnabled(true);
    emit accepted();
}

void DestinationGroup::btnAddDestFolderClick() {
    const std::string picked =
        context_.folderPicker().browseForFolder("Select the Destination Directory.", destination());
    // A cancelled picker leaves a chosen destination as it was; only a page without one is told.
    if (core::Trim(picked).empty() && !core::Trim(destination()).empty())
        return;
    SetDestination(picked);
}

bool DestinationGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboDestFolders_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        // The box takes no typing, but a pasted path (a host path from a terminal or file
        // manager included) is taken as if browsed.
        const std::string pasted = FromQt(QGuiApplication::clipboard()->text());
        if (!core::Trim(pasted).empty())
            SetDestination(pasted);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DestinationGroup::cboDestFoldersSelect(int index) {
    SetDestination(FromQt(cboDestFolders_->itemText(index)));
}

void DestinationGroup::btnViewDestFolderClick() {
    const std::string trimmed = core::Trim(destination());
    if (trimmed.empty()) {
        context_.prompt().warn(kViewEmptyText, row_.titles.viewEmpty);
        return;
    }
    context_.shell().openFolder(trimmed);
}

} // namespace dirforge::ui
