#pragma once
// Fixture: files on the temporary drive f: for the list readers and writers.

#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <string>

namespace dirforge::lists {

class ListFiles : public ::testing::Test {
protected:
    platform::HostFileSystem& fileSystem() { return drives_.fs(); }
    /// The drive form of the folder the files go to.
    std::string root() const { return "f:"; }
    /// Writes a file with exactly these bytes and returns its drive path.
    std::string put(const std::string& name, const std::string& content) {
        drives_.makeFile(root() + "\\" + name, content);
        return root() + "\\" + name;
    }
    std::string contentOf(const std::string& name) const {
        return drives_.readText(root() + "\\" + name);
    }

private:
    testing::TempDrives drives_;
};

} // namespace dirforge::lists
