#include "support/FaultInjectingFileSystem.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

using dirforge::testing::FaultInjectingFileSystem;
using dirforge::testing::FaultRule;
using dirforge::testing::FsOp;
using dirforge::testing::TempDrives;
using Strings = std::vector<std::string>;

TEST(FaultInjectingFileSystem, RefusedFolderFailsEveryRequestThatMustMakeIt) {
    TempDrives drives;
    FaultInjectingFileSystem faulty(drives.fs());
    faulty.failAlways(FsOp::CreateFolder, "F:/x/b");

    Strings created;
    EXPECT_FALSE(faulty.createFolder("f:\\x\\b\\c", &created));
    EXPECT_EQ(created, Strings{"f:\\x"})
        << "the parents above the refused folder are made and reported";
    EXPECT_FALSE(faulty.createFolder("f:\\x\\b", &created));
    EXPECT_TRUE(faulty.createFolder("f:\\x\\bb", &created))
        << "a prefix of a name is not its parent";
    EXPECT_EQ(drives.listTree("f:\\"), (Strings{"x\\", "x\\bb\\"}));

    drives.makeFolder("f:\\x\\b");
    EXPECT_TRUE(faulty.createFolder("f:\\x\\b\\c"))
        << "once the folder exists nothing needs making";
    EXPECT_EQ(faulty.injectedFailures(), 2);
    EXPECT_EQ(faulty.callCount(FsOp::CreateFolder), 4);
}

TEST(FaultInjectingFileSystem, OnceAfterAndPrefixRulesFailTheRightCalls) {
    TempDrives drives;
    drives.makeFile("f:\\x\\a.txt", "a");
    drives.makeFile("f:\\x\\b.txt", "b");
    drives.makeFolder("f:\\x\\Sub\\Deep");
    drives.makeFolder("f:\\xy");
    FaultInjectingFileSystem faulty(drives.fs());
    faulty.failOnce(FsOp::DeleteFile, "f:\\x\\a.txt")
        .failPrefix(FsOp::RemoveEmptyFolder, "f:\\x\\Sub")
        .failAfter(FsOp::CopyFile, 1);

    EXPECT_FALSE(faulty.deleteFile("f:\\X\\A.TXT"));
    EXPECT_TRUE(drives.isFile("f:\\x\\a.txt"));
    EXPECT_TRUE(faulty.deleteFile("f:\\x\\a.txt")) << "a one-shot fault is spent";

    EXPECT_FALSE(faulty.removeEmptyFolder("f:\\x\\Sub\\Deep"));
    EXPECT_TRUE(drives.isFolder("f:\\x\\Sub\\Deep"));
    EXPECT_TRUE(faulty.removeEmptyFolder("f:\\xy")) << "the prefix covers whole elements only";

    EXPECT_TRUE(faulty.copyFileExclusive("f:\\x\\b.txt", "g:\\1.txt"));
    EXPECT_FALSE(faulty.copyFileExclusive("f:\\x\\b.txt", "g:\\2.txt"));
    EXPECT_FALSE(faulty.copyFileExclusive("f:\\x\\b.txt", "g:\\3.txt"));
    EXPECT_EQ(drives.listTree("g:\\"), Strings{"1.txt"});
}

TEST(FaultInjectingFileSystem, QueriesFailAsTheirKindAndEverythingElseForwards) {
    TempDrives drives;
    drives.makeFile("f:\\a.txt", "abc");
    FaultInjectingFileSystem faulty(drives.fs());
    for (FsOp op : {FsOp::FolderExists, FsOp::FileExists, FsOp::ListFolder, FsOp::FileSize,
                    FsOp::FreeSpace, FsOp::ReadFile, FsOp::WriteFile})
        faulty.add(FaultRule{op, "f:\\", true, 0, -1});
    EXPECT_FALSE(faulty.fileExists("f:\\a.txt"));
    EXPECT_FALSE(faulty.folderExists("f:\\"));
    EXPECT_EQ(faulty.listFolder("f:\\"), std::nullopt);
    EXPECT_EQ(faulty.fileSize("f:\\a.txt"), std::nullopt);
    EXPECT_EQ(faulty.freeSpace("f:\\"), 0u);
    EXPECT_EQ(faulty.readFile("f:\\a.txt"), std::nullopt);
    EXPECT_FALSE(faulty.writeFileAtomic("f:\\a.txt", "changed"));
    EXPECT_EQ(drives.readText("f:\\a.txt"), "abc");

    EXPECT_TRUE(faulty.writeFileAtomic("g:\\b.txt", "b")) << "g: is not covered";
    EXPECT_EQ(faulty.readFile("g:\\b.txt"), "b");
    faulty.clear();
    EXPECT_EQ(faulty.fileSize("f:\\a.txt"), 3u);
    EXPECT_EQ(faulty.injectedFailures(), 7);
}
