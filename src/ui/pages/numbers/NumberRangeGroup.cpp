#include "ui/pages/numbers/NumberRangeGroup.h"

#include "ui/common/ControlNames.h"
#include "ui/common/QtText.h"
#include "ui/common/UpDownControl.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <optional>

namespace dirforge::ui {

namespace {

constexpr int kUpDownMaximum = std::numeric_limits<std::int32_t>::max();

/// The field's text as a 32-bit whole number (blanks around it allowed), or nothing.
std::optional<std::int32_t> WholeNumber(const QLineEdit& field) {
    bool isNumber = false;
    const int value = field.text().trimmed().toInt(&isNumber);
    return isNumber ? std::optional<std::int32_t>(value) : std::nullopt;
}

} // namespace

NumberRangeGroup::NumberRangeGroup(QWidget* parent) : QWidget(parent) {
    auto* startLabel =
        Named(new QLabel(QStringLiteral("Start Number :"), this), "lblVol03StartNumber");
    auto* endLabel = Named(new QLabel(QStringLiteral("End Number :"), this), "lblVol03EndNumber");
    edtStartNumber_ = Named(new QLineEdit(QStringLiteral("1"), this), "edtVol03StartNumber",
                            "The first number of the new folders' names.");
    edtEndNumber_ = Named(new QLineEdit(QStringLiteral("1"), this), "edtVol03EndNumber",
                          "The last number of the new folders' names.");
    // The up/down controls stop at 1: a smaller start is typed, and the field's check lifts it.
    udStartNumber_ = Named(
        new UpDownControl(edtStartNumber_, 1, kUpDownMaximum, UpDownControl::AtEnd::Stop, this),
        "UDVol03StartNumber");
    udEndNumber_ =
        Named(new UpDownControl(edtEndNumber_, 1, kUpDownMaximum, UpDownControl::AtEnd::Stop, this),
              "UDVol03EndNumber");
    chkPaddedZeroes_ =
        Named(new QCheckBox(QStringLiteral("Padded zeroes in Increased Numbers."), this),
              "chkVol03PaddedZeroes");
    startLabel->setBuddy(edtStartNumber_);
    endLabel->setBuddy(edtEndNumber_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(startLabel, 0, 0);
    layout->addWidget(edtStartNumber_, 0, 1);
    layout->addWidget(udStartNumber_, 0, 2);
    layout->addWidget(endLabel, 1, 0);
    layout->addWidget(edtEndNumber_, 1, 1);
    layout->addWidget(udEndNumber_, 1, 2);
    layout->addWidget(chkPaddedZeroes_, 2, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    edtStartNumber_->setMinimumWidth(110);
    edtEndNumber_->setMinimumWidth(110);

    edtStartNumber_->installEventFilter(this);
    edtEndNumber_->installEventFilter(this);
    // A step of an up/down control counts as leaving its field, so the "to create" counter follows.
    connect(udStartNumber_, &UpDownControl::stepped, this,
            &NumberRangeGroup::edtVol03StartNumberExit);
    connect(udEndNumber_, &UpDownControl::stepped, this, &NumberRangeGroup::edtVol03EndNumberExit);
}

engine::NumberRange NumberRangeGroup::range() const {
    engine::NumberRange range;
    range.startNumber = startNumber_;
    range.endNumber = endNumber_;
    range.startText = FromQt(edtStartNumber_->text());
    range.endText = FromQt(edtEndNumber_->text());
    range.paddedZeroes = chkPaddedZeroes_->isChecked();
    return range;
}

void NumberRangeGroup::reset() {
    edtStartNumber_->setText(QStringLiteral("1"));
    edtEndNumber_->setText(QStringLiteral("1"));
    startNumber_ = 1;
    endNumber_ = 1;
    chkPaddedZeroes_->setChecked(false);
}

void NumberRangeGroup::restore(const std::string& startText, const std::string& endText,
                               bool padded) {
    edtStartNumber_->setText(ToQt(startText));
    edtEndNumber_->setText(ToQt(endText));
    chkPaddedZeroes_->setChecked(padded);
    readFields();
    startNumber_ = std::max(startNumber_, 1);
    endNumber_ = std::max(endNumber_, 1);
}

std::string NumberRangeGroup::startText() const {
    return FromQt(edtStartNumber_->text());
}
std::string NumberRangeGroup::endText() const {
    return FromQt(edtEndNumber_->text());
}
bool NumberRangeGroup::padded() const {
    return chkPaddedZeroes_->isChecked();
}

void NumberRangeGroup::focusEndNumber() {
    edtEndNumber_->setFocus();
}
void NumberRangeGroup::focusStartNumber() {
    edtStartNumber_->setFocus();
}

bool NumberRangeGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == edtStartNumber_)
            edtVol03StartNumberExit();
        else if (watched == edtEndNumber_)
            edtVol03EndNumberExit();
    }
    return QWidget::eventFilter(watched, event);
}

void NumberRangeGroup::readFields() {
    if (const std::optional<std::int32_t> start = WholeNumber(*edtStartNumber_)) {
        startNumber_ = *start;
    } else {
        edtStartNumber_->setText(QStringLiteral("1"));
        startNumber_ = 1;
    }
    if (const std::optional<std::int32_t> end = WholeNumber(*edtEndNumber_)) {
        endNumber_ = *end;
    } else {
        endNumber_ = startNumber_;
        edtEndNumber_->setText(QString::number(endNumber_));
    }
}

// Only the stored value is lifted to 1; the field keeps what was typed, and the run reads the text.
void NumberRangeGroup::edtVol03StartNumberExit() {
    readFields();
    if (startNumber_ < 1)
        startNumber_ = 1;
    emit numbersTaken();
}

void NumberRangeGroup::edtVol03EndNumberExit() {
    readFields();
    if (endNumber_ < 1)
        endNumber_ = 1;
    emit numbersTaken();
}

} // namespace dirforge::ui
