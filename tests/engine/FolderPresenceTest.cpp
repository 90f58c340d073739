// The dry run's listing-based folder test must answer exactly as the file system does, for
// every kind of entry, whether a parent is asked about once or many times.
#include "engine/FolderPresence.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirforge::engine {
namespace {

class FolderPresenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.makeFolder("f:\\Dest\\Old");
        drives.makeFolder("f:\\Dest\\Case");
        drives.makeFolder("f:\\Dest\\trailing. ");
        drives.makeFile("f:\\Dest\\note.txt", "x");
        drives.makeFolder("f:\\Elsewhere\\Target");
        drives.makeLink("f:\\Dest\\ToFolder", "f:\\Elsewhere\\Target");
        drives.makeLink("f:\\Dest\\ToFile", "f:\\Dest\\note.txt");
        drives.makeLink("f:\\Dest\\Dangling", "f:\\Nowhere");
        drives.makeFolder("f:\\Top");
    }

    const std::vector<std::string> paths{
        "f:\\Dest\\Old",
        "f:\\Dest\\New",
        "f:\\Dest\\case",
        "f:\\Dest\\Case",
        "f:\\Dest\\trailing. ",
        "f:\\Dest\\note.txt",
        "f:\\Dest\\ToFolder",
        "f:\\Dest\\ToFile",
        "f:\\Dest\\Dangling",
        "f:\\Dest\\.",
        "f:\\Dest\\..",
        "f:\\Dest\\",
        "f:\\Dest\\a/b",
        "f:\\Missing\\X",
        "f:\\Dest\\note.txt\\X",
        "f:\\Top",
        "f:\\Dest",
        "f:\\Dest\\Old\\Deep",
        "q:\\Unmapped\\X",
        "f:\\Dest\\ToFolder\\..",
    };

    testing::TempDrives drives;
};

TEST_F(FolderPresenceTest, AnswersAsTheFileSystemOnFirstAndLaterQuestions) {
    FolderPresence presence(drives.fs());
    // Three passes: the first asks directly, the later ones answer from the listings.
    for (int pass = 0; pass < 3; ++pass)
        for (const std::string& path : paths)
            EXPECT_EQ(presence.folderExists(path), drives.fs().folderExists(path))
                << path << " pass " << pass;
}

TEST_F(FolderPresenceTest, ADriveRootParentIsListedAsTheRoot) {
    FolderPresence presence(drives.fs());
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(presence.folderExists("f:\\Dest"));
        EXPECT_TRUE(presence.folderExists("f:\\Top"));
        EXPECT_FALSE(presence.folderExists("f:\\Absent"));
    }
}

} // namespace
} // namespace dirforge::engine
