#include "ui/seams/QtShell.h"

#include "ui/common/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace dirforge::ui {

bool QtShell::openFolder(const std::string& drivePath) {
    const std::optional<std::string> host = drives_.toHost(drivePath);
    if (!host)
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(*host)));
}

bool QtShell::openWebPage(const std::string& url) {
    const QUrl address(ToQt(url), QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(address);
}

} // namespace dirforge::ui
