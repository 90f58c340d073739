#include "ui/BrowseForFolder.h"

#include "platform/DriveMap.h"
#include "ui/ModalRunner.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLineEdit>

namespace dirforge::ui {

FolderBrowserDialog::FolderBrowserDialog(const platform::DriveMap& drives, const QString& title, QWidget* owner)
    : QFileDialog(owner, title), drives_(drives) {
    setObjectName("BrowseForFolder");
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);

    pathField_ = new QLineEdit(this);
    pathField_->setObjectName("edtBrowseForFolderPath");
    pathField_->setReadOnly(true);
    showPathField_ = new QCheckBox("Show the edit control.", this);
    showPathField_->setObjectName("chkBrowseForFolderShowEdit");
    showPathField_->setChecked(true);
    connect(showPathField_, &QCheckBox::toggled, pathField_, &QLineEdit::setVisible);

    // The non-native dialog lays itself out in a grid; our two controls go below everything.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(pathField_, row, 0, 1, grid->columnCount());
        grid->addWidget(showPathField_, row + 1, 0, 1, grid->columnCount());
    }
    connect(this, &QFileDialog::currentChanged, this, &FolderBrowserDialog::followFolder);
    connect(this, &QFileDialog::directoryEntered, this, &FolderBrowserDialog::followFolder);
}

void FolderBrowserDialog::followFolder(const QString& hostPath) {
    const QFileInfo info(hostPath);
    const bool folder = !hostPath.isEmpty() && info.isDir();
    pathField_->setText(folder ? ToQt(drives_.toDrive(FromQt(info.absoluteFilePath())).value_or(std::string()))
                               : QString());
}

std::string FolderBrowserDialog::chosenFolder() const {
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty() || !QFileInfo(chosen.first()).isDir())
        return {};
    return drives_.toDrive(FromQt(QDir::cleanPath(chosen.first()))).value_or(std::string());
}

std::string BrowseForFolder(QWidget* owner, const std::string& title, const platform::DriveMap& drives,
                            ModalRunner& runner, const std::string& startFolder) {
    FolderBrowserDialog dialog(drives, ToQt(title), owner);
    const auto start = startFolder.empty() ? std::nullopt : drives.toHost(startFolder);
    dialog.setDirectory(start && QFileInfo(ToQt(*start)).isDir() ? ToQt(*start) : QDir::homePath());
    if (runner.run(dialog) != QDialog::Accepted)
        return {};
    return dialog.chosenFolder();
}

} // namespace dirforge::ui
