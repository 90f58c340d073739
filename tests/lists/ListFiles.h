#pragma once
// Fixture: a temporary folder served as drive f: by the host file system.

#include "platform/HostFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace dirforge::lists {

class ListFiles : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = std::filesystem::temp_directory_path() /
                ("dirforge-lists-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(host_);
        std::filesystem::create_directories(host_);
        fileSystem_.drives().map('f', host_.string());
    }
    void TearDown() override { std::filesystem::remove_all(host_); }

    platform::HostFileSystem& fileSystem() { return fileSystem_; }
    /// The drive form of the temporary folder.
    std::string root() const { return "f:"; }
    /// Writes a file with exactly these bytes and returns its drive path.
    std::string put(const std::string& name, const std::string& content) {
        std::ofstream(host_ / name, std::ios::binary) << content;
        return root() + "\\" + name;
    }
    std::string contentOf(const std::string& name) const {
        std::ifstream in(host_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path host_;
    platform::HostFileSystem fileSystem_{platform::DriveMap()};
};

} // namespace dirforge::lists
