#pragma once
// Real folder trees for tests: a fresh temporary folder whose subfolders "f" and "g" are mapped
// as drives f: and g: (c: stays "/"), a HostFileSystem over them, and helpers in drive form.
// Everything is removed when the object goes. Typical use:
//
//     TempDrives drives;
//     drives.makeFile("f:\\Src\\T\\a.txt", "hello");
//     ... run the code under test with drives.fs() ...
//     EXPECT_EQ(drives.listTree("g:\\Out"), (std::vector<std::string>{"T\\", "T\\a.txt"}));

#include "platform/DriveMap.h"
#include "platform/HostFileSystem.h"

#include <string>
#include <vector>

namespace dirforge::testing {

class TempDrives {
public:
    /// Makes the temporary folder with drives f: and g: (empty roots).
    TempDrives();
    /// Removes the temporary folder and everything in it.
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    /// The file system over the temporary drives (pass it to the code under test).
    platform::HostFileSystem& fs() { return fs_; }
    /// The drive map in use (c:, f:, g: and any mapDrive letters).
    const platform::DriveMap& drives() const { return fs_.drives(); }
    /// The host folder holding every drive root.
    const std::string& hostRoot() const { return root_; }

    /// Maps one more letter to a fresh empty subfolder and returns its host path.
    std::string mapDrive(char letter);
    /// The host path of a drive path (fails the test and returns "" if it does not map).
    std::string hostPath(const std::string& drivePath) const;

    /// Creates a folder with its parents (fails the test if it cannot).
    void makeFolder(const std::string& drivePath);
    /// Creates a file with its parent folders and content, replacing an existing file.
    void makeFile(const std::string& drivePath, const std::string& content = {});
    /// Creates a symbolic link at linkPath pointing to the host path of targetDrivePath.
    void makeLink(const std::string& linkPath, const std::string& targetDrivePath);

    /// True when anything (file, folder, link, even dangling) stands at the path.
    bool exists(const std::string& drivePath) const;
    bool isFolder(const std::string& drivePath) const;
    bool isFile(const std::string& drivePath) const;
    /// The identity of what stands at the path (not followed), as a run records it; unknown if
    /// nothing.
    platform::FileIdentity identityOf(const std::string& drivePath) const;
    /// The content of a file ("" and a test failure if it cannot be read).
    std::string readText(const std::string& drivePath) const;

    /// Every entry below a folder as sorted relative paths with "\" separators: folders end in
    /// "\", links end in "@" and are not followed, files are plain ("A\", "A\b.txt", "l@").
    std::vector<std::string> listTree(const std::string& drivePath) const;

private:
    std::string root_;
    platform::HostFileSystem fs_;
};

} // namespace dirforge::testing
