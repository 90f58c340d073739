#pragma once
// The general help window: the built-in text of one topic, shown modally.

#include "ui/app/HelpTopics.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dirforge::ui {

class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    /// Shows the topic's title and text, with or without the "More Help Online" button.
    void prepareTopic(HelpTopic topic, MoreHelp moreHelp);
    HelpTopic topic() const { return topic_; }
    /// Adds a paragraph to the prepared topic's text (what the topic means for one page).
    void appendText(const char* paragraph);

signals:
    /// The user asked for the help web page.
    void moreHelpRequested();

private:
    HelpTopic topic_ = HelpTopic::Overview;
    QLabel* lblHelpTopic_;
    QPlainTextEdit* memHelpText_;
    QPushButton* btnHelpMoreHelp_;
};

} // namespace dirforge::ui
