#include "helpers/ScriptedModalRunner.h"

namespace dirforge::testing {

ScriptedModalRunner& ScriptedModalRunner::expect(const QString& objectName, Step step) {
    script_.push_back({objectName, std::move(step)});
    return *this;
}

int ScriptedModalRunner::run(QDialog& dialog) {
    shown_ << dialog.objectName();
    if (script_.empty() || script_.front().objectName != dialog.objectName()) {
        unexpected_ << dialog.objectName();
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    const Expected next = std::move(script_.front());
    script_.pop_front();
    const int result = next.step ? next.step(dialog) : static_cast<int>(QDialog::Accepted);
    dialog.setResult(result);
    return result;
}

QString ScriptedModalRunner::describe() const {
    QStringList lines;
    for (const QString& name : unexpected_)
        lines << QStringLiteral("unexpected window: %1").arg(name);
    for (const Expected& expected : script_)
        lines << QStringLiteral("never shown: %1").arg(expected.objectName);
    return lines.join(QLatin1Char('\n'));
}

} // namespace dirforge::testing
