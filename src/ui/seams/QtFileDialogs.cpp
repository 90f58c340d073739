#include "ui/seams/QtFileDialogs.h"

#include "ui/common/QtText.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace dirforge::ui {

namespace {

/// "txt" from "Text Files (*.txt);;All Files (*.*)": the first concrete extension, else "".
QString FirstFilterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([A-Za-z0-9_]+))"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

std::optional<std::string> QtFileDialogs::driveForm(const QString& hostFile) const {
    if (hostFile.isEmpty())
        return std::nullopt;
    return drives_.toDrive(FromQt(hostFile));
}

std::optional<std::string> QtFileDialogs::openFileName(const std::string& title,
                                                       const std::string& filter) {
    return driveForm(
        QFileDialog::getOpenFileName(owner_.data(), ToQt(title), QString(), ToQt(filter)));
}

std::optional<std::string> QtFileDialogs::saveFileName(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& suggestedName) {
    // A suggestion with a drive is a full path; anything else is a bare file name.
    const std::optional<std::string> suggestedHost = drives_.toHost(suggestedName);
    QFileDialog dialog(owner_.data(), ToQt(title), QString(), ToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(FirstFilterExtension(ToQt(filter)));
    if (suggestedHost)
        dialog.selectFile(ToQt(*suggestedHost));
    else if (!suggestedName.empty())
        dialog.selectFile(ToQt(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return driveForm(dialog.selectedFiles().first());
}

} // namespace dirforge::ui
