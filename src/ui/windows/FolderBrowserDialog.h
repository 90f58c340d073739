#pragma once
// The one folder picker of the program: Qt's folder dialog with a path field of our own that
// follows the current folder, and a check box that hides and shows that field.

#include <QFileDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QListView;

namespace dirforge::platform {
class DriveMap;
}

namespace dirforge::ui {

class ModalRunner;

/// The picker dialog: folders only, our path field and its "Show the edit control." box below
/// the folder view. The field shows the current folder in drive form.
class FolderBrowserDialog : public QFileDialog {
    Q_OBJECT
public:
    FolderBrowserDialog(const platform::DriveMap& drives, const QString& title,
                        QWidget* owner = nullptr);

    /// The chosen folder in drive form (a drive root ends in "\"); "" when none or not on a drive.
    std::string chosenFolder() const;
    /// The added path field and its check box.
    QLineEdit* pathField() const { return pathField_; }
    QCheckBox* showPathField() const { return showPathField_; }
    /// The labels of the sidebar's places, top to bottom ("f:  /srv/data" for a mapped drive).
    QStringList placeLabels() const;

private:
    /// Every mapped drive as a place of the sidebar, labelled with its letter and host folder.
    void addDrivePlaces();
    /// Puts the drive labels on the places again (the dialog relabels them as folders load).
    void labelDrivePlaces();

    /// Shows a host path in the path field in drive form ("" when it lies on no drive).
    void followFolder(const QString& hostPath);

    const platform::DriveMap& drives_;
    QLineEdit* pathField_ = nullptr;
    QCheckBox* showPathField_ = nullptr;
    QListView* sidebar_ = nullptr;
    bool labelling_ = false;
};

/// Shows the picker modally over owner, starting in startFolder (drive form) when it maps to a
/// host folder, else in the home folder; returns the chosen folder in drive form or "".
std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const platform::DriveMap& drives, ModalRunner& runner,
                            const std::string& startFolder = {});

} // namespace dirforge::ui
