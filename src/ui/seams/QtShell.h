#pragma once
// Opens folders in the desktop's file manager and web pages in the default browser (Qt).

#include "platform/DriveMap.h"
#include "platform/Shell.h"

namespace dirforge::ui {

class QtShell : public platform::Shell {
public:
    /// drives: maps the drive-form folders to host folders (must outlive this object).
    explicit QtShell(const platform::DriveMap& drives) : drives_(drives) {}

    /// False for a path that maps to no host folder or when no file manager takes it.
    bool openFolder(const std::string& drivePath) override;
    /// False for an invalid address or when no browser takes it.
    bool openWebPage(const std::string& url) override;

private:
    const platform::DriveMap& drives_;
};

} // namespace dirforge::ui
