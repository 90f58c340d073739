#include "platform/ProgramHome.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dirforge::platform {

namespace {

constexpr mode_t kPrivateFolderMode = 0700; // what the desktop's data folders are made with

std::string ValueOf(const EnvironmentLookup& lookup, const char* name) {
    const char* value = lookup(name);
    return value != nullptr ? std::string(value) : std::string();
}

/// folder/tail without "." and ".." steps and without a trailing slash.
std::string Joined(const std::string& folder, const std::string& tail) {
    std::string joined = (std::filesystem::path(folder) / tail).lexically_normal().string();
    if (joined.size() > 1 && joined.back() == '/')
        joined.pop_back();
    return joined;
}

std::string Describe(const std::string& what, const std::string& folder, int error) {
    return what + " " + folder + ": " + std::strerror(error);
}

/// mkdir -p with new folders private to the user; an existing folder is fine, anything else
/// in the way is not.
bool MakeFolderWithParents(const std::filesystem::path& folder, std::string& error) {
    std::filesystem::path sofar;
    for (const std::filesystem::path& part : folder) {
        sofar /= part;
        if (::mkdir(sofar.c_str(), kPrivateFolderMode) == 0 || errno == EEXIST) {
            struct stat st;
            if (::stat(sofar.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                continue;
            error = Describe("Cannot create the folder", sofar.string(), ENOTDIR);
            return false;
        }
        error = Describe("Cannot create the folder", sofar.string(), errno);
        return false;
    }
    return true;
}

} // namespace

std::string ProgramHomeFolder(const EnvironmentLookup& lookup, const std::string& currentFolder) {
    const std::string own = ValueOf(lookup, "DIRFORGE_HOME");
    if (!own.empty())
        return own.front() == '/' ? Joined(own, "") : Joined(currentFolder, own);
    // A relative XDG_DATA_HOME is invalid by its convention and is ignored.
    const std::string data = ValueOf(lookup, "XDG_DATA_HOME");
    if (!data.empty() && data.front() == '/')
        return Joined(data, "dirforge");
    const std::string home = ValueOf(lookup, "HOME");
    if (!home.empty() && home.front() == '/')
        return Joined(home, ".local/share/dirforge");
    return {};
}

std::string ProgramHomeFolder() {
    std::error_code failed;
    const std::string current = std::filesystem::current_path(failed).string();
    return ProgramHomeFolder(
        [](const char* name) -> const char* {
            const char* value = std::getenv(name);
            if ((value == nullptr || *value == '\0') && std::strcmp(name, "HOME") == 0) {
                const passwd* user = ::getpwuid(::getuid());
                return user != nullptr ? user->pw_dir : nullptr;
            }
            return value;
        },
        current);
}

bool EnterProgramHome(const std::string& hostFolder, std::string& error) {
    if (hostFolder.empty() || hostFolder.front() != '/') {
        error = "No folder is known for the program's own files: set HOME or DIRFORGE_HOME.";
        return false;
    }
    if (!MakeFolderWithParents(hostFolder, error))
        return false;
    if (::chdir(hostFolder.c_str()) != 0) {
        error = Describe("Cannot enter the folder", hostFolder, errno);
        return false;
    }
    return true;
}

} // namespace dirforge::platform
