#pragma once
// The modal folder-browsing dialog on Qt, answering in drive form.

#include "platform/DriveMap.h"
#include "platform/FolderPicker.h"

#include <QPointer>
#include <QWidget>

namespace dirforge::ui {

class ModalRunner;

class QtFolderPicker : public platform::FolderPicker {
public:
    /// drives must outlive this object; owner is the window the dialog is modal to.
    QtFolderPicker(const platform::DriveMap& drives, QWidget* owner = nullptr)
        : drives_(drives), owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    /// The runner the picker is shown through (null: shown directly). It must outlive this object.
    void setRunner(ModalRunner* runner) { runner_ = runner; }

    /// The chosen folder in drive form (a drive root ends in "\"); "" on cancel or when the
    /// chosen folder lies on no mapped drive.
    std::string browseForFolder(const std::string& title, const std::string& startFolder) override;

private:
    const platform::DriveMap& drives_;
    QPointer<QWidget> owner_;
    ModalRunner* runner_ = nullptr;
};

} // namespace dirforge::ui
