#include "ui/windows/FolderBrowserDialog.h"

#include "platform/DriveMap.h"
#include "platform/TypedPaths.h"
#include "ui/common/QtText.h"
#include "ui/seams/ModalRunner.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>
#include <QUrl>

#include <algorithm>

namespace dirforge::ui {

FolderBrowserDialog::FolderBrowserDialog(const platform::DriveMap& drives, const QString& title,
                                         QWidget* owner)
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
    addDrivePlaces();
    connect(this, &QFileDialog::currentChanged, this, &FolderBrowserDialog::followFolder);
    connect(this, &QFileDialog::directoryEntered, this, &FolderBrowserDialog::followFolder);
}

namespace {

/// The sidebar model's role for a place's URL (the non-native dialog's own).
constexpr int kPlaceUrlRole = Qt::UserRole + 1;

QString DriveLabel(char letter, const std::string& root) {
    return QStringLiteral("%1:  %2").arg(QChar::fromLatin1(letter), ToQt(root));
}

} // namespace

void FolderBrowserDialog::addDrivePlaces() {
    QList<QUrl> places;
    for (const auto& [letter, root] : platform::MappedDrives(drives_))
        places << QUrl::fromLocalFile(ToQt(root));
    setSidebarUrls(places);
    sidebar_ = findChild<QListView*>(QStringLiteral("sidebar"));
    if (sidebar_ == nullptr || sidebar_->model() == nullptr)
        return;
    labelDrivePlaces();
    connect(sidebar_->model(), &QAbstractItemModel::dataChanged, this,
            &FolderBrowserDialog::labelDrivePlaces);
    // Room for "f:  /srv/data" without clipping: the places get the width of their longest label.
    if (auto* splitter = findChild<QSplitter*>(QStringLiteral("splitter"))) {
        int widest = 0;
        for (const QString& label : placeLabels())
            widest = std::max(widest, sidebar_->fontMetrics().horizontalAdvance(label));
        const int placesWidth = std::min(widest + 48, 320);
        resize(std::max(width(), placesWidth + 520), std::max(height(), 440));
        splitter->setSizes({placesWidth, width() - placesWidth});
    }
}

void FolderBrowserDialog::labelDrivePlaces() {
    if (labelling_)
        return;
    labelling_ = true;
    QAbstractItemModel* model = sidebar_->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex place = model->index(row, 0);
        const std::string host =
            FromQt(QDir::cleanPath(place.data(kPlaceUrlRole).toUrl().toLocalFile()));
        for (const auto& [letter, root] : platform::MappedDrives(drives_)) {
            const QString label = DriveLabel(letter, root);
            if (root == host && place.data(Qt::DisplayRole).toString() != label)
                model->setData(place, label, Qt::DisplayRole);
        }
    }
    labelling_ = false;
}

QStringList FolderBrowserDialog::placeLabels() const {
    QStringList labels;
    if (sidebar_ != nullptr && sidebar_->model() != nullptr)
        for (int row = 0; row < sidebar_->model()->rowCount(); ++row)
            labels << sidebar_->model()->index(row, 0).data(Qt::DisplayRole).toString();
    return labels;
}

void FolderBrowserDialog::followFolder(const QString& hostPath) {
    const QFileInfo info(hostPath);
    const bool folder = !hostPath.isEmpty() && info.isDir();
    pathField_->setText(
        folder ? ToQt(drives_.toDrive(FromQt(info.absoluteFilePath())).value_or(std::string()))
               : QString());
}

std::string FolderBrowserDialog::chosenFolder() const {
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty() || !QFileInfo(chosen.first()).isDir())
        return {};
    return drives_.toDrive(FromQt(QDir::cleanPath(chosen.first()))).value_or(std::string());
}

std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const platform::DriveMap& drives, ModalRunner& runner,
                            const std::string& startFolder) {
    FolderBrowserDialog dialog(drives, ToQt(title), owner);
    const auto start = startFolder.empty() ? std::nullopt : drives.toHost(startFolder);
    dialog.setDirectory(start && QFileInfo(ToQt(*start)).isDir() ? ToQt(*start) : QDir::homePath());
    if (runner.run(dialog) != QDialog::Accepted)
        return {};
    return dialog.chosenFolder();
}

} // namespace dirforge::ui
