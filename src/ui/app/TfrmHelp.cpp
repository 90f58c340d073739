#include "ui/app/TfrmHelp.h"

#include "ui/app/AppInfo.h"
#include "ui/common/WindowStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setModal(true);
    setFixedSize(600, 460);
    ApplyBackground(*this);

    lblHelpTopic_ = new QLabel(this);
    lblHelpTopic_->setObjectName(QStringLiteral("lblHelpTopic"));
    QFont headingFont = lblHelpTopic_->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    lblHelpTopic_->setFont(headingFont);
    lblHelpTopic_->setWordWrap(true);

    memHelpText_ = new QPlainTextEdit(this);
    memHelpText_->setObjectName(QStringLiteral("memHelpText"));
    memHelpText_->setReadOnly(true);
    memHelpText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    btnHelpMoreHelp_ = new QPushButton(QStringLiteral("More Help Online"), this);
    btnHelpMoreHelp_->setObjectName(QStringLiteral("btnHelpMoreHelp"));
    ApplyHint(*btnHelpMoreHelp_, QStringLiteral("Open the help pages in your web browser."));
    connect(btnHelpMoreHelp_, &QPushButton::clicked, this, &TfrmHelp::moreHelpRequested);

    auto* btnHelpClose = new QPushButton(QStringLiteral("Close"), this);
    btnHelpClose->setObjectName(QStringLiteral("btnHelpClose"));
    btnHelpClose->setDefault(true);
    connect(btnHelpClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnHelpMoreHelp_);
    buttons->addStretch();
    buttons->addWidget(btnHelpClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHelpTopic_);
    layout->addWidget(memHelpText_, 1);
    layout->addLayout(buttons);

    prepareTopic(HelpTopic::Overview, MoreHelp::Hidden);
}

void TfrmHelp::prepareTopic(HelpTopic topic, MoreHelp moreHelp) {
    topic_ = topic;
    const QString title = QString::fromUtf8(HelpTopicTitle(topic));
    setWindowTitle(QStringLiteral("%1 Help - %2").arg(QString::fromLatin1(kProductName), title));
    lblHelpTopic_->setText(title);
    memHelpText_->setPlainText(QString::fromUtf8(HelpTopicText(topic)));
    btnHelpMoreHelp_->setVisible(moreHelp == MoreHelp::Shown);
}

void TfrmHelp::appendText(const char* paragraph) {
    memHelpText_->setPlainText(memHelpText_->toPlainText() + QStringLiteral("\n\n") +
                               QString::fromUtf8(paragraph));
}

} // namespace dirforge::ui
