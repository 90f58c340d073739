#include "ui/common/UpDownControl.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dirforge::ui {

UpDownControl::UpDownControl(QLineEdit* associate, int minimum, int maximum, AtEnd atEnd,
                             QWidget* parent)
    : QWidget(parent), associate_(associate), up_(new QToolButton(this)),
      down_(new QToolButton(this)), minimum_(minimum), maximum_(maximum),
      wrap_(atEnd == AtEnd::Wrap), position_(minimum) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName("btnUp");
    down_->setObjectName("btnDown");
    for (auto* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] {
        step(+1);
        emit stepped();
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        step(-1);
        emit stepped();
    });
}

void UpDownControl::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    associate_->setText(QString::number(position_));
}

void UpDownControl::step(int delta) {
    bool isNumber = false;
    const int shown = associate_->text().trimmed().toInt(&isNumber);
    // Wide arithmetic: a step beyond the largest int must wrap or stop, not overflow.
    const int from = isNumber && shown >= minimum_ && shown <= maximum_ ? shown : position_;
    long long next = static_cast<long long>(from) + delta;
    if (next > maximum_)
        next = wrap_ ? minimum_ : maximum_;
    if (next < minimum_)
        next = wrap_ ? maximum_ : minimum_;
    setPosition(static_cast<int>(next));
}

} // namespace dirforge::ui
