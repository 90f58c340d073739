#pragma once
// Opens folders in the desktop's file manager and web pages in the default browser.

#include <string>

namespace dirforge::platform {

class Shell {
public:
    virtual ~Shell() = default;
    /// Opens a folder given in drive form.
    virtual bool openFolder(const std::string& drivePath) = 0;
    virtual bool openWebPage(const std::string& url) = 0;
};

} // namespace dirforge::platform
