#include "ui/windows/TfrmFolderTemplateOptions.h"

#include "engine/TemplateRules.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowStyle.h"
#include "ui/seams/ModalRunner.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dirforge::ui {
namespace {

QRadioButton* AddRadio(const char* name, const char* caption, QWidget* parent, QLayout* layout) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    layout->addWidget(radio);
    return radio;
}

QPushButton* AddButton(const char* name, const char* caption, QWidget* parent, QLayout* layout) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    layout->addWidget(button);
    return button;
}

} // namespace

TfrmFolderTemplateOptions::TfrmFolderTemplateOptions(engine::MAP_FOLDER_TEMPLATE_OPTIONS& options,
                                                     QWidget* parent)
    : QDialog(parent), options_(options) {
    setObjectName("TfrmFolderTemplateOptions");
    setWindowTitle("Options for Folder Structures in Plain Text Files.");
    ApplyBackground(*this);

    auto* group =
        new QGroupBox("Copy/Attach from Text based Folder Templates (No Drive Letter)", this);
    group->setObjectName("Options");
    auto* groupLayout = new QVBoxLayout(group);
    replaceNo_ = AddRadio("rdoFolderTemplateOptionsReplaceNo",
                          "Whole Folder Paths without Drive Letter. ", group, groupLayout);
    replaceFirst_ = AddRadio("rdoFolderTemplateOptionsReplaceFirst",
                             "Folder Paths without the First (Main) Folders.", group, groupLayout);
    replaceAll_ = AddRadio(
        "rdoFolderTemplateOptionsReplaceAll",
        "Folder Paths without the First Folders but replaces all occurrences of First Folder "
        "Names in Paths with Selected Folder Names from the Include Window.",
        group, groupLayout);

    // The search-text option is kept for settings files that hold it; the user never sees it.
    auto* hidden = new QGroupBox(this);
    hidden->setObjectName("grpFolderTemplateOptionsReplaceRemainder");
    auto* hiddenLayout = new QVBoxLayout(hidden);
    replaceRemainder_ = AddRadio(
        "rdoFolderTemplateOptionsReplaceRemainder",
        "Attach the whole Paths from the Template  and Replaces  the search terms with the "
        "Main Folders from the Include Window.",
        hidden, hiddenLayout);
    remainderText_ = new QLineEdit(hidden);
    remainderText_->setObjectName("edtFolderTemplateOptionsReplaceRemainder");
    hiddenLayout->addWidget(remainderText_);
    hidden->setEnabled(false);
    hidden->hide();

    choice_ = new QButtonGroup(this);
    for (QRadioButton* radio : {replaceNo_, replaceFirst_, replaceAll_, replaceRemainder_})
        choice_->addButton(radio);
    connect(replaceRemainder_, &QRadioButton::toggled, remainderText_, &QLineEdit::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = AddButton("btnFolderTemplateOptionsOk", "OK", this, buttons);
    auto* cancel = AddButton("btnFolderTemplateOptionsCancel", "Cancel", this, buttons);
    auto* help = AddButton("btnFolderTemplateOptionsHelp", "Help", this, buttons);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmFolderTemplateOptions::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_)
            help_(page_);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(hidden);
    layout->addLayout(buttons);

    clearChoice();
    replaceNo_->setChecked(true);
}

int TfrmFolderTemplateOptions::showForPage(ModalRunner& runner, engine::PageKind page) {
    page_ = page;
    loadRecord();
    return runner.run(*this);
}

void TfrmFolderTemplateOptions::clearChoice() {
    choice_->setExclusive(false);
    for (QAbstractButton* radio : choice_->buttons())
        radio->setChecked(false);
    choice_->setExclusive(true);
    remainderText_->clear();
    remainderText_->setEnabled(false);
}

void TfrmFolderTemplateOptions::loadRecord() {
    clearChoice();
    // The radio follows the option the runs apply (TemplateOptionFor), so a record with no flag
    // or with several flags shows what is really in effect.
    std::string searchText;
    switch (engine::TemplateOptionFor(options_, page_, searchText)) {
    case engine::ReplaceRemainderText:
        replaceRemainder_->setChecked(true);
        remainderText_->setText(ToQt(searchText));
        break;
    case engine::DropFirstFolder:
        replaceFirst_->setChecked(true);
        break;
    case engine::ReplaceFirstFolderEverywhere:
        replaceAll_->setChecked(true);
        break;
    default:
        replaceNo_->setChecked(true);
        break;
    }
}

engine::_tagFoldersTemplateOptions TfrmFolderTemplateOptions::chosenRecord() const {
    engine::_tagFoldersTemplateOptions record;
    record.ReplaceNo = 0;
    if (replaceRemainder_->isChecked()) {
        record.ReplaceRemainder = 1;
        record.RemainderText = FromQt(remainderText_->text());
    } else if (replaceFirst_->isChecked()) {
        record.ReplaceFirst = 1;
    } else if (replaceAll_->isChecked()) {
        record.ReplaceAll = 1;
    } else {
        record.ReplaceNo = 1;
    }
    return record;
}

void TfrmFolderTemplateOptions::accept() {
    engine::SetTemplateOptions(options_, page_, chosenRecord());
    QDialog::accept();
}

} // namespace dirforge::ui
