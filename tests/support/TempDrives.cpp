#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace dirforge::testing {

namespace fs = std::filesystem;

namespace {

std::string makeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "dirforge-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder under " +
                                 fs::temp_directory_path().string());
    return pattern;
}

} // namespace

TempDrives::TempDrives() : root_(makeTemporaryFolder()), fs_(platform::DriveMap()) {
    mapDrive('f');
    mapDrive('g');
}

TempDrives::~TempDrives() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string TempDrives::mapDrive(char letter) {
    const std::string host = root_ + "/" + letter;
    fs::create_directories(host);
    fs_.drives().map(letter, host);
    return host;
}

std::string TempDrives::hostPath(const std::string& drivePath) const {
    const auto host = drives().toHost(drivePath);
    if (!host) {
        ADD_FAILURE() << "not a path on the temporary drives: " << drivePath;
        return {};
    }
    return *host;
}

void TempDrives::makeFolder(const std::string& drivePath) {
    std::error_code error;
    fs::create_directories(hostPath(drivePath), error);
    if (error)
        ADD_FAILURE() << "cannot create folder " << drivePath << ": " << error.message();
}

void TempDrives::makeFile(const std::string& drivePath, const std::string& content) {
    const fs::path host = hostPath(drivePath);
    std::error_code error;
    fs::create_directories(host.parent_path(), error);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out << content;
    if (error || !out)
        ADD_FAILURE() << "cannot write file " << drivePath;
}

void TempDrives::makeLink(const std::string& linkPath, const std::string& targetDrivePath) {
    std::error_code error;
    fs::create_symlink(hostPath(targetDrivePath), hostPath(linkPath), error);
    if (error)
        ADD_FAILURE() << "cannot create link " << linkPath << ": " << error.message();
}

bool TempDrives::exists(const std::string& drivePath) const {
    std::error_code ignored;
    return fs::symlink_status(hostPath(drivePath), ignored).type() != fs::file_type::not_found &&
           !ignored;
}

platform::FileIdentity TempDrives::identityOf(const std::string& drivePath) const {
    struct stat st {};
    if (::lstat(hostPath(drivePath).c_str(), &st) != 0)
        return {};
    platform::FileIdentity identity{static_cast<std::uint64_t>(st.st_dev),
                                    static_cast<std::uint64_t>(st.st_ino)};
    if (!S_ISDIR(st.st_mode)) {
        identity.size = static_cast<std::int64_t>(st.st_size);
        identity.modified =
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return identity;
}

bool TempDrives::isFolder(const std::string& drivePath) const {
    std::error_code ignored;
    return fs::is_directory(hostPath(drivePath), ignored);
}

bool TempDrives::isFile(const std::string& drivePath) const {
    std::error_code ignored;
    return fs::is_regular_file(hostPath(drivePath), ignored);
}

std::string TempDrives::readText(const std::string& drivePath) const {
    std::ifstream in(hostPath(drivePath), std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read file " << drivePath;
        return {};
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> TempDrives::listTree(const std::string& drivePath) const {
    const fs::path top = hostPath(drivePath);
    std::vector<std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(top, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::string relative = it->path().lexically_relative(top).string();
        std::replace(relative.begin(), relative.end(), '/', '\\');
        if (it->is_symlink())
            relative += '@';
        else if (it->is_directory())
            relative += '\\';
        entries.push_back(std::move(relative));
    }
    if (error)
        ADD_FAILURE() << "cannot list " << drivePath << ": " << error.message();
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace dirforge::testing
