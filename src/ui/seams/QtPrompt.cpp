#include "ui/seams/QtPrompt.h"

#include "ui/common/QtText.h"

#include <QMessageBox>

namespace dirforge::ui {

namespace {

QMessageBox::Icon IconOf(platform::MessageKind kind) {
    switch (kind) {
    case platform::MessageKind::Error:
        return QMessageBox::Critical;
    case platform::MessageKind::Warning:
        return QMessageBox::Warning;
    case platform::MessageKind::Information:
        return QMessageBox::Information;
    case platform::MessageKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

platform::PromptButton QtPrompt::show(const std::string& text, const std::string& title,
                                      platform::MessageKind kind) {
    QMessageBox box(owner_.data());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(ToQt(title));
    // Plain text: paths and names with "<" or "&" are shown as they are, and can be copied.
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQt(text));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setIcon(IconOf(kind));

    if (kind == platform::MessageKind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }

    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    if (kind == platform::MessageKind::Question)
        return pressed == QMessageBox::Yes ? platform::PromptButton::Yes
                                           : platform::PromptButton::No;
    return platform::PromptButton::Ok;
}

} // namespace dirforge::ui
