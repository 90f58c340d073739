#include "ui/pages/run/RunProgressRow.h"

#include "engine/ProgressText.h"
#include "ui/pages/PageRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace dirforge::ui {

namespace {
/// The bar counts in thousandths, so any number of items fits its int range.
constexpr int kBarSteps = 1000;
} // namespace

RunProgressRow::RunProgressRow(const PageRow& row, QWidget* parent) : QWidget(parent) {
    bar_ = new QProgressBar(this);
    bar_->setObjectName(ControlName(row, "prg", "RunProgress"));
    bar_->setRange(0, kBarSteps);
    bar_->setValue(0);
    bar_->setAccessibleName(QStringLiteral("Run progress"));
    label_ = new QLabel(this);
    label_->setObjectName(ControlName(row, "lbl", "RunProgress"));
    label_->setAccessibleName(QStringLiteral("Run state"));
    label_->setFixedWidth(380); // its changing text never moves the layout
    btnStop_ = new QPushButton(QStringLiteral("Stop"), this);
    btnStop_->setObjectName(ControlName(row, "btn", "Stop"));
    btnStop_->setToolTip(
        QStringLiteral("Stop the creating process or the undo after the folder in hand (Esc)."));
    btnStop_->setEnabled(false);
    connect(btnStop_, &QPushButton::clicked, this, &RunProgressRow::requestStop);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 2);
    layout->addWidget(label_, 3);
    layout->addWidget(btnStop_);
}

void RunProgressRow::begin() {
    busy_ = true;
    stopRequested_ = false;
    lastDone_ = lastTotal_ = 0;
    bar_->setValue(0);
    label_->clear();
    btnStop_->setEnabled(true);
    sinceBegin_
        .invalidate(); // the clock starts with the first item, not with the question before it
}

void RunProgressRow::showProgress(std::uint64_t done, std::uint64_t total) {
    lastDone_ = done;
    lastTotal_ = total;
    const double share = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    bar_->setValue(static_cast<int>(share * kBarSteps));
    if (!sinceBegin_.isValid())
        sinceBegin_.start();
    const double seconds = static_cast<double>(sinceBegin_.elapsed()) / 1000.0;
    label_->setText(QString::fromStdString(engine::ProgressText(done, total, seconds)));
}

void RunProgressRow::end(bool stopped) {
    if (busy_ && lastTotal_ != 0)
        showProgress(lastDone_, lastTotal_);
    if (stopped)
        label_->setText(label_->text() + QStringLiteral(" (stopped)"));
    busy_ = false;
    btnStop_->setEnabled(false);
}

void RunProgressRow::requestStop() {
    if (busy_)
        stopRequested_ = true;
}

} // namespace dirforge::ui
