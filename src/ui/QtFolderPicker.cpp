#include "ui/QtFolderPicker.h"

#include "ui/QtText.h"

#include <QFileDialog>

namespace dirforge::ui {

std::string QtFolderPicker::browseForFolder(const std::string& title, const std::string& startFolder) {
    const QString start = ToQt(drives_.toHost(startFolder).value_or(std::string()));
    const QString chosen = QFileDialog::getExistingDirectory(owner_.data(), ToQt(title), start,
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return {};
    return drives_.toDrive(FromQt(chosen)).value_or(std::string());
}

} // namespace dirforge::ui
