#pragma once
// The open and save file dialogs on Qt, answering in drive form.

#include "platform/DriveMap.h"
#include "platform/FileDialogs.h"

#include <QPointer>
#include <QWidget>

namespace dirforge::ui {

/// Filters are Qt filter strings; several are joined by ";;" ("Text Files (*.txt);;All Files
/// (*.*)").
class QtFileDialogs : public platform::FileDialogs {
public:
    /// drives must outlive this object; owner is the window the dialogs are modal to.
    QtFileDialogs(const platform::DriveMap& drives, QWidget* owner = nullptr)
        : drives_(drives), owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    /// nullopt on cancel or for a file on no mapped drive.
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override;
    /// A name typed without extension gets the first filter's extension; replacing an existing
    /// file is confirmed in the dialog. nullopt on cancel or for a file on no mapped drive.
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& suggestedName) override;

private:
    /// A chosen host file in drive form.
    std::optional<std::string> driveForm(const QString& hostFile) const;

    const platform::DriveMap& drives_;
    QPointer<QWidget> owner_;
};

} // namespace dirforge::ui
