#pragma once
// The batch front end opens nothing: there may be no desktop at all.

#include "platform/Shell.h"

namespace dirforge::cli {

class SilentShell : public platform::Shell {
public:
    bool openFolder(const std::string&) override { return false; }
    bool openWebPage(const std::string&) override { return false; }
};

} // namespace dirforge::cli
