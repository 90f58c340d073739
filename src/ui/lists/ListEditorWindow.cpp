#include "ui/lists/ListEditorWindow.h"

#include "lists/TextLines.h"
#include "ui/common/QtText.h"
#include "ui/seams/ModalRunner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace dirforge::ui {

ListEditorWindow::ListEditorWindow(const ListEditorNames& names, ModalRunner& runner,
                                   QWidget* parent)
    : QDialog(parent), runner_(runner), memo_(new QPlainTextEdit(this)),
      counter_(new QLabel("0", this)) {
    setObjectName(names.windowName);
    setWindowTitle(names.caption);
    memo_->setObjectName(names.memoName);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    counter_->setObjectName(names.counterName);
    counter_->setMinimumWidth(60);
    auto* linesCaption = new QLabel("Lines:", this);

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("Help", this);
    ok->setObjectName("btnOk");
    cancel->setObjectName("btnCancel");
    help->setObjectName("btnHelp");
    ok->setDefault(false);
    ok->setAutoDefault(false); // Enter belongs to the memo
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ListEditorWindow::okClicked);
    connect(cancel, &QPushButton::clicked, this, &ListEditorWindow::cancelClicked);
    connect(help, &QPushButton::clicked, this, [this] {
        if (onHelp_)
            onHelp_();
    });
    connect(memo_, &QPlainTextEdit::textChanged, this, &ListEditorWindow::showLineCount);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(linesCaption);
    bottom->addWidget(counter_);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(bottom);
    resize(720, 540);
}

void ListEditorWindow::setLines(const std::vector<std::string>& entries) {
    std::string text;
    for (const auto& entry : entries) {
        text += entry;
        text += '\n';
    }
    memo_->setPlainText(ToQt(text));
    showLineCount();
}

bool ListEditorWindow::edit(const std::vector<std::string>& entries) {
    setLines(entries);
    return runner_.run(*this) == QDialog::Accepted;
}

std::vector<std::string> ListEditorWindow::lines() const {
    std::vector<std::string> result;
    lists::ForEachTextLine(FromQt(memo_->toPlainText()), [&](std::string_view line) {
        result.emplace_back(line);
        return true;
    });
    return result;
}

void ListEditorWindow::showLineCount() {
    const auto* document = memo_->document();
    int count = document->blockCount();
    if (document->lastBlock().text().isEmpty())
        --count; // a memo counts no line after its final line end
    counter_->setText(QString::number(count));
}

void ListEditorWindow::okClicked() {
    if (!acceptLines(lines()))
        return;
    memo_->clear();
    accept();
}

void ListEditorWindow::cancelClicked() {
    memo_->clear();
    reject();
}

} // namespace dirforge::ui
