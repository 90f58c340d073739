#pragma once
// The shell every window uses: the real (or a test's) shell, with a message when no file
// manager opens a folder, so "View", "View Selected" and "Show Explorer" never fail silently.

#include "platform/DriveMap.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"

namespace dirforge::ui {

/// Title and text of the message for a folder no file manager opened.
inline constexpr const char* kFolderNotShownTitle = "Show Folder.            Warning no: 0803.";

class ReportingShell : public platform::Shell {
public:
    /// Each reference must outlive this object.
    ReportingShell(platform::Shell& shell, platform::Prompt& prompt,
                   const platform::DriveMap& drives)
        : shell_(shell), prompt_(prompt), drives_(drives) {}

    /// Opens the folder; when nothing opened it, says so, naming the host folder to open by hand.
    bool openFolder(const std::string& drivePath) override;
    bool openWebPage(const std::string& url) override { return shell_.openWebPage(url); }

private:
    platform::Shell& shell_;
    platform::Prompt& prompt_;
    const platform::DriveMap& drives_;
};

} // namespace dirforge::ui
