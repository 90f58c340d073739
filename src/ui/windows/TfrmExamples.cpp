#include "ui/windows/TfrmExamples.h"

#include "ui/common/ControlNames.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

/// A read-only field showing a sample value.
QLineEdit* SampleField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

/// Whether a sample list keeps the height of its rows or may grow with the window.
enum class ListHeight { Fixed, Grows };

/// A list showing sample lines, at least rows lines high; sized to them unless it may grow.
QListWidget* SampleList(const QString& name, int rows, ListHeight height, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const int rowsHeight =
        (list->fontMetrics().lineSpacing() + 2) * rows + 2 * list->frameWidth() + 4;
    list->setMinimumHeight(rowsHeight);
    if (height == ListHeight::Fixed)
        list->setMaximumHeight(rowsHeight);
    return list;
}

/// A check box that shows a setting of the example: checked, and not to be changed.
QCheckBox* FixedBox(const QString& name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(name);
    box->setChecked(true);
    box->setEnabled(false);
    return box;
}

void Refill(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines)
        list.addItem(ToQt(line));
}

} // namespace

TfrmExamples::TfrmExamples(const ExamplesPage& page, QWidget* parent)
    : QDialog(parent), page_(page) {
    setObjectName(QString::fromLatin1(page.windowName));
    setWindowTitle(QString::fromLatin1(page.caption));
    setModal(true);
    setFont(DefaultFont());
    ApplyBackground(*this);

    auto* lblImportant = Named(new QLabel(QStringLiteral("IMPORTANT !!!"), this),
                               qPrintable(controlName("lbl", "Important")));
    QFont bold = lblImportant->font();
    bold.setBold(true);
    lblImportant->setFont(bold);
    QPalette red = lblImportant->palette();
    red.setColor(QPalette::WindowText, ColorFromValue(kColorDarkRed));
    lblImportant->setPalette(red);
    auto* lblNote = Named(new QLabel(QString::fromLatin1(page.note), this),
                          qPrintable(controlName("lbl", "Note")));

    auto* btnClose = Named(new QPushButton(QStringLiteral("Close"), this),
                           qPrintable(controlName("btn", "Close")));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildInputs(), 1);
    columns->addWidget(buildOptions());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblImportant);
    layout->addWidget(lblNote);
    layout->addLayout(columns);
    layout->addWidget(buildResults(), 1);
    layout->addLayout(buttons);

    selectOption(ExampleOption::Templates);
}

QString TfrmExamples::controlName(const char* kind, const char* role) const {
    return QString::fromLatin1(kind) + QString::fromLatin1(page_.infix) + QString::fromLatin1(role);
}

QWidget* TfrmExamples::buildInputs() {
    auto* box = Named(new QGroupBox(this), qPrintable(controlName("grp", "Inputs")));
    auto* grid = new QGridLayout(box);
    auto label = [box](const char* caption) {
        return new QLabel(QString::fromLatin1(caption), box);
    };
    int row = 0;
    if (page_.destination != nullptr) {
        edtDestination_ = SampleField(controlName("edt", "Destination"), box);
        grid->addWidget(label("Destination Folder :"), row, 0);
        grid->addWidget(edtDestination_, row++, 1, 1, 3);
    }
    if (page_.listCaption != nullptr) {
        lstInputs_ = SampleList(controlName("lst", "Inputs"), 3, ListHeight::Fixed, box);
        lstInputs_->setAccessibleName(QString::fromLatin1(page_.listCaption));
        grid->addWidget(label(page_.listCaption), row, 0, Qt::AlignTop);
        grid->addWidget(lstInputs_, row++, 1, 1, 3);
    } else {
        edtRange_ = {SampleField(controlName("edt", "Start"), box),
                     SampleField(controlName("edt", "Stop"), box)};
        grid->addWidget(label("Start :"), row, 0);
        grid->addWidget(edtRange_[0], row, 1);
        grid->addWidget(label("Stop :"), row, 2);
        grid->addWidget(edtRange_[1], row++, 3);
    }
    edtPrefix_ = SampleField(controlName("edt", "Prefix"), box);
    edtSuffix_ = SampleField(controlName("edt", "Suffix"), box);
    grid->addWidget(label("Prefix :"), row, 0);
    grid->addWidget(edtPrefix_, row, 1);
    grid->addWidget(label("Suffix :"), row, 2);
    grid->addWidget(edtSuffix_, row++, 3);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(FixedBox(controlName("chk", "Hyphen"), "Hyphen", box));
    if (page_.page == engine::PageKind::Numbers)
        boxes->addWidget(
            FixedBox(controlName("chk", "PaddedZeroes"), "Padded Zeroes in Increase Numbers", box));
    boxes->addStretch();
    grid->addLayout(boxes, row++, 1, 1, 3);
    lstStructures_ = SampleList(controlName("lst", "Structures"), 3, ListHeight::Fixed, box);
    lstStructures_->setAccessibleName(QStringLiteral("Folder Structures/Templates"));
    grid->addWidget(label("Folder Structures/Templates"), row, 0, Qt::AlignTop);
    grid->addWidget(lstStructures_, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TfrmExamples::buildOptions() {
    auto* box = Named(new QGroupBox(this), qPrintable(controlName("grp", "Options")));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(4);
    auto* modes = new QButtonGroup(this);
    variants_ = new QButtonGroup(this);
    // The variants stand under "Attach Existing Folder Structures ...", "Attach Nothing" last.
    constexpr std::array<ExampleOption, kExampleOptionCount> shownOrder = {
        ExampleOption::Templates,
        ExampleOption::Structures,
        ExampleOption::MainFolders,
        ExampleOption::SubFoldersOnly,
        ExampleOption::MainFoldersWithFiles,
        ExampleOption::SubFoldersOnlyWithFiles,
        ExampleOption::Nothing,
    };
    for (ExampleOption option : shownOrder) {
        const ExampleRadio& radio = page_.radios[static_cast<std::size_t>(option)];
        auto* button = Named(new QRadioButton(QString::fromLatin1(radio.caption), box), radio.name);
        radios_[static_cast<std::size_t>(option)] = button;
        connect(button, &QRadioButton::clicked, this, [this, option] { selectOption(option); });
        if (!IsStructureVariant(option)) {
            modes->addButton(button);
            layout->addWidget(button);
            continue;
        }
        variants_->addButton(button);
        auto* indented = new QHBoxLayout;
        indented->addSpacing(24);
        indented->addWidget(button);
        layout->addLayout(indented);
    }
    buildChoices(layout, box);
    layout->addStretch();
    return box;
}

void TfrmExamples::buildChoices(QLayout* layout, QWidget* box) {
    chkFillExisting_ =
        Named(new QCheckBox(QString::fromLatin1(kExampleFillExistingCaption), box),
              qPrintable(controlName("chk", "FillExisting")),
              "Shows what a run makes when the first folder of the list exists already.");
    chkTokens_ = Named(new QCheckBox(QString::fromLatin1(kExampleTokensCaption), box),
                       qPrintable(controlName("chk", "Tokens")),
                       "Shows templates that name {item} and {name} and what they become.");
    auto* note = Named(new QLabel(QString::fromLatin1(kExampleChoicesNote), box),
                       qPrintable(controlName("lbl", "ChoicesNote")));
    note->setWordWrap(true);
    for (QCheckBox* choice : {chkFillExisting_, chkTokens_}) {
        layout->addWidget(choice);
        connect(choice, &QCheckBox::toggled, this, [this] { fill(option_); });
    }
    layout->addWidget(note);
}

QWidget* TfrmExamples::buildResults() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Named(new QLabel(QStringLiteral("Results"), panel),
                            qPrintable(controlName("lbl", "Results"))));
    lstResults_ = SampleList(controlName("lst", "Results"), 6, ListHeight::Grows, panel);
    lstResults_->setAccessibleName(QStringLiteral("Results"));
    layout->addWidget(lstResults_, 1);
    return panel;
}

void TfrmExamples::selectOption(ExampleOption option) {
    // The existing-structure option stands for its first variant.
    if (option == ExampleOption::Structures)
        option = ExampleOption::MainFolders;
    const bool variant = IsStructureVariant(option);
    radio(variant ? ExampleOption::Structures : option)->setChecked(true);
    setVariantsEnabled(variant);
    if (variant)
        radio(option)->setChecked(true);
    fill(option);
}

void TfrmExamples::setVariantsEnabled(bool enabled) {
    // An exclusive group keeps one button checked; it lets go of them only while not exclusive.
    variants_->setExclusive(false);
    for (QAbstractButton* button : variants_->buttons()) {
        button->setEnabled(enabled);
        if (!enabled)
            button->setChecked(false);
    }
    variants_->setExclusive(true);
}

void TfrmExamples::fill(ExampleOption option) {
    option_ = option;
    const ExampleChoices choices{chkFillExisting_->isChecked(), chkTokens_->isChecked()};
    if (edtDestination_ != nullptr)
        edtDestination_->setText(QString::fromLatin1(page_.destination));
    if (lstInputs_ != nullptr)
        Refill(*lstInputs_, {page_.inputs[0], page_.inputs[1]});
    for (std::size_t i = 0; i < edtRange_.size(); ++i)
        if (edtRange_[i] != nullptr)
            edtRange_[i]->setText(QString::fromLatin1(page_.inputs[i]));
    edtPrefix_->setText(QString::fromLatin1(page_.prefix));
    edtSuffix_->setText(QString::fromLatin1(page_.suffix));
    Refill(*lstStructures_, ExampleStructureInputs(option, choices, page_.page));
    Refill(*lstResults_, ExampleResultLines(page_, option, choices));
}

} // namespace dirforge::ui
