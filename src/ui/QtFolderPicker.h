#pragma once
// The modal folder-browsing dialog on Qt, answering in drive form.

#include "platform/DriveMap.h"
#include "platform/FolderPicker.h"

#include <QPointer>
#include <QWidget>

namespace dirforge::ui {

class QtFolderPicker : public platform::FolderPicker {
public:
    /// drives must outlive this object; owner is the window the dialog is modal to.
    QtFolderPicker(const platform::DriveMap& drives, QWidget* owner = nullptr)
        : drives_(drives), owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    /// The chosen folder in drive form (a drive root ends in "\"); "" on cancel or when the
    /// chosen folder lies on no mapped drive.
    std::string browseForFolder(const std::string& title, const std::string& startFolder) override;

private:
    const platform::DriveMap& drives_;
    QPointer<QWidget> owner_;
};

} // namespace dirforge::ui
