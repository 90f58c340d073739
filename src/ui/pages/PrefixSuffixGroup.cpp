#include "ui/pages/PrefixSuffixGroup.h"

#include "core/PathChecks.h"
#include "platform/Prompt.h"
#include "ui/common/ControlNames.h"
#include "ui/common/QtText.h"
#include "ui/pages/PageRow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace dirforge::ui {

namespace {
constexpr const char* kPrefixHint =
    "Enter a text, that will be used as a prefix in the creating process.";
constexpr const char* kSuffixHint =
    "Enter a text, that will be used as a suffix in the creating process.";
} // namespace

PrefixSuffixGroup::PrefixSuffixGroup(const PageRow& row, platform::Prompt& prompt, QWidget* parent)
    : QWidget(parent), row_(row), prompt_(prompt) {
    auto* prefixLabel = Named(new QLabel(QStringLiteral("Prefix :"), this),
                              qPrintable(ControlName(row, "lbl", "Prefix")));
    auto* suffixLabel = Named(new QLabel(QStringLiteral("Suffix :"), this),
                              qPrintable(ControlName(row, "lbl", "Suffix")));
    edtPrefix_ =
        Named(new QLineEdit(this), qPrintable(ControlName(row, "edt", "Prefix")), kPrefixHint);
    edtSuffix_ =
        Named(new QLineEdit(this), qPrintable(ControlName(row, "edt", "Suffix")), kSuffixHint);
    chkHyphen_ = Named(new QCheckBox(QString::fromLatin1(row.captions().hyphen), this),
                       qPrintable(ControlName(row, "chk", "Hyphen")), row.captions().hyphenHint);
    prefixLabel->setBuddy(edtPrefix_);
    suffixLabel->setBuddy(edtSuffix_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prefixLabel, 0, 0);
    layout->addWidget(edtPrefix_, 0, 1);
    layout->addWidget(chkHyphen_, 0, 2);
    layout->addWidget(suffixLabel, 1, 0);
    layout->addWidget(edtSuffix_, 1, 1);
    layout->setColumnStretch(1, 1);

    for (QLineEdit* field : {edtPrefix_, edtSuffix_}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { checkField(field); });
        field->installEventFilter(this);
    }
}

std::string PrefixSuffixGroup::prefix() const {
    return FromQt(edtPrefix_->text());
}
std::string PrefixSuffixGroup::suffix() const {
    return FromQt(edtSuffix_->text());
}
bool PrefixSuffixGroup::hyphen() const {
    return chkHyphen_->isChecked();
}

void PrefixSuffixGroup::fillRequest(engine::RunRequest& request) const {
    request.prefix = prefix();
    request.suffix = suffix();
    request.hyphen = hyphen();
}

void PrefixSuffixGroup::restore(const std::string& prefix, const std::string& suffix, bool hyphen) {
    edtPrefix_->setText(ToQt(prefix));
    edtSuffix_->setText(ToQt(suffix));
    chkHyphen_->setChecked(hyphen);
}

void PrefixSuffixGroup::reset(HyphenAfterReset hyphen) {
    edtPrefix_->clear();
    edtSuffix_->clear();
    chkHyphen_->setChecked(hyphen == HyphenAfterReset::Checked);
}

bool PrefixSuffixGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == edtPrefix_ || watched == edtSuffix_))
        checkField(static_cast<QLineEdit*>(watched));
    return QWidget::eventFilter(watched, event);
}

void PrefixSuffixGroup::checkField(QLineEdit* field) {
    // Dropping a character changes the field again; the loop below handles that change itself.
    if (checking_)
        return;
    checking_ = true;
    const bool isPrefix = field == edtPrefix_;
    const std::string lead =
        isPrefix ? "Illegal character in the Prefix : " : "Illegal character in the Suffix : ";
    const char* title = isPrefix ? row_.titles.prefixIllegal : row_.titles.suffixIllegal;
    std::string found;
    bool refused = false;
    using core::IllegalCharSet;
    while (!core::CheckIllegalChars(IllegalCharSet::FolderName, FromQt(field->text()), found)) {
        refused = true;
        prompt_.warn(lead + found, title);
        QString text = field->text();
        text.chop(1);
        field->setText(text);
    }
    if (refused)
        field->setFocus();
    checking_ = false;
}

} // namespace dirforge::ui
