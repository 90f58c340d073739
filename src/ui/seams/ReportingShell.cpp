#include "ui/seams/ReportingShell.h"

namespace dirforge::ui {

bool ReportingShell::openFolder(const std::string& drivePath) {
    if (shell_.openFolder(drivePath))
        return true;
    const std::optional<std::string> host = drives_.toHost(drivePath);
    const std::string where = host ? "\n(on this computer: " + *host + ")" : std::string();
    prompt_.warn(
        "The folder could not be shown:\n" + drivePath + where +
            "\n\nNo file manager accepted it. Install a file manager (for example one that "
            "opens folders through xdg-open), or open the folder yourself.",
        kFolderNotShownTitle);
    return false;
}

} // namespace dirforge::ui
