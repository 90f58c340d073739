#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using dirforge::platform::EntryKind;
using dirforge::platform::FolderEntry;
using dirforge::testing::TempDrives;
using Strings = std::vector<std::string>;

namespace {

mode_t permissionsOf(const std::string& host) {
    struct stat st {};
    ::stat(host.c_str(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(HostFileSystem, CreateFolderReportsExactlyTheFoldersItMade) {
    TempDrives drives;
    drives.makeFolder("f:\\Clients");
    const struct {
        const char* path;
        bool ok;
        Strings created;
    } cases[] = {
        {"f:\\Clients\\A", true, {"f:\\Clients\\A"}},
        {"f:\\Clients\\A", true, {}},
        {"f:\\Clients\\B\\x\\y",
         true,
         {"f:\\Clients\\B", "f:\\Clients\\B\\x", "f:\\Clients\\B\\x\\y"}},
        {"F:/Clients//C/./d/", true, {"F:\\Clients\\C", "F:\\Clients\\C\\d"}},
        {"f:\\", true, {}},
        {"q:\\Nowhere", false, {}},
        {"f:\\Clients\\..\\..\\escape", false, {}},
        {"f:\\Clients\\bad?name", false, {}},
        {"f:\\Clients\\New\\CON\\x", false, {}},
        {"f:\\Clients\\a:b", false, {}},
    };
    for (const auto& c : cases) {
        Strings created;
        EXPECT_EQ(drives.fs().createFolder(c.path, &created), c.ok) << c.path;
        EXPECT_EQ(created, c.created) << c.path;
    }
    EXPECT_EQ(drives.listTree("f:\\Clients"),
              (Strings{"A\\", "B\\", "B\\x\\", "B\\x\\y\\", "C\\", "C\\d\\"}));
    EXPECT_FALSE(drives.exists("f:\\Clients\\New"))
        << "a refused name must not leave its parents behind";
    EXPECT_FALSE(std::filesystem::exists(drives.hostRoot() + "/escape"));
}

TEST(HostFileSystem, CreateFolderFailsOnAFileAndReportsWhatItMadeBeforeTheFailure) {
    TempDrives drives;
    drives.makeFile("f:\\T\\file", "x");
    Strings created;
    EXPECT_FALSE(drives.fs().createFolder("f:\\T\\file", &created));
    EXPECT_FALSE(drives.fs().createFolder("f:\\T\\file\\sub", &created));
    EXPECT_TRUE(created.empty());
    EXPECT_TRUE(drives.isFile("f:\\T\\file"));

    // A drive whose root folder has gone is a drive that is not there: nothing is made for it.
    const std::string hHost = drives.mapDrive('h');
    std::filesystem::remove(hHost);
    EXPECT_FALSE(drives.fs().createFolder("h:\\a\\b", &created));
    EXPECT_FALSE(drives.fs().createFolder("h:\\", &created));
    EXPECT_TRUE(created.empty());
    EXPECT_FALSE(std::filesystem::exists(hHost));
}

TEST(HostFileSystem, ExistenceTestsTellFoldersFilesAndLinksApart) {
    TempDrives drives;
    drives.makeFolder("f:\\D");
    drives.makeFile("f:\\F.txt", "abc");
    drives.makeLink("f:\\LD", "f:\\D");
    drives.makeLink("f:\\LF", "f:\\F.txt");
    drives.makeLink("f:\\Dangling", "f:\\Gone");
    auto& fs = drives.fs();
    const struct {
        const char* path;
        bool folder, file, link;
    } cases[] = {
        {"f:\\D", true, false, false},        {"f:\\F.txt", false, true, false},
        {"f:\\LD", true, false, true},        {"f:\\LF", false, true, true},
        {"f:\\Dangling", false, false, true}, {"f:\\None", false, false, false},
        {"q:\\D", false, false, false},       {"f:\\D\\..\\F.txt", false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fs.folderExists(c.path), c.folder) << c.path;
        EXPECT_EQ(fs.fileExists(c.path), c.file) << c.path;
        EXPECT_EQ(fs.isLink(c.path), c.link) << c.path;
    }
    EXPECT_EQ(fs.fileSize("f:\\F.txt"), 3u);
    EXPECT_EQ(fs.fileSize("f:\\D"), std::nullopt);
    EXPECT_EQ(fs.fileSize("f:\\None"), std::nullopt);
}

TEST(HostFileSystem, ListFolderIncludesHiddenEntriesAndReportsLinksAsLinks) {
    TempDrives drives;
    drives.makeFolder("f:\\T\\Sub");
    drives.makeFolder("f:\\T\\.hiddenDir");
    drives.makeFile("f:\\T\\.hidden", "h");
    drives.makeFile("f:\\T\\a.txt", "a");
    drives.makeLink("f:\\T\\toSub", "f:\\T\\Sub");
    ASSERT_EQ(::mkfifo(drives.hostPath("f:\\T\\pipe").c_str(), 0600), 0);
    auto entries = drives.fs().listFolder("f:\\T");
    ASSERT_TRUE(entries.has_value());
    std::sort(entries->begin(), entries->end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    const std::vector<std::pair<std::string, EntryKind>> expected{
        {".hidden", EntryKind::File}, {".hiddenDir", EntryKind::Folder},
        {"Sub", EntryKind::Folder},   {"a.txt", EntryKind::File},
        {"pipe", EntryKind::Other},   {"toSub", EntryKind::Link}};
    ASSERT_EQ(entries->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*entries)[i].name, expected[i].first);
        EXPECT_EQ((*entries)[i].kind, expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(drives.fs().listFolder("f:\\T\\a.txt"), std::nullopt);
    EXPECT_EQ(drives.fs().listFolder("f:\\Missing"), std::nullopt);
}

TEST(HostFileSystem, ExclusiveCopyNeverOverwritesAnything) {
    TempDrives drives;
    drives.makeFile("f:\\src.txt", "new content");
    drives.makeFile("g:\\file.txt", "old content");
    drives.makeFolder("g:\\folder.txt");
    drives.makeFile("g:\\elsewhere.txt", "link target");
    drives.makeLink("g:\\link.txt", "g:\\elsewhere.txt");
    drives.makeLink("g:\\dangling.txt", "g:\\nothing.txt");
    for (const char* target :
         {"g:\\file.txt", "g:\\folder.txt", "g:\\link.txt", "g:\\dangling.txt"})
        EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\src.txt", target)) << target;
    EXPECT_EQ(drives.readText("g:\\file.txt"), "old content");
    EXPECT_EQ(drives.readText("g:\\elsewhere.txt"), "link target");
    EXPECT_TRUE(drives.isFolder("g:\\folder.txt"));
    EXPECT_FALSE(drives.exists("g:\\nothing.txt"))
        << "a dangling link must not be followed to create its target";
}

TEST(HostFileSystem, ExclusiveCopyCopiesContentAndPermissionsButRefusesLinksAndBadNames) {
    TempDrives drives;
    const std::string big(300 * 1024 + 7, 'x'); // more than one copy buffer
    drives.makeFile("f:\\src.bin", big);
    ::chmod(drives.hostPath("f:\\src.bin").c_str(), 0750);
    ASSERT_TRUE(drives.fs().copyFileExclusive("f:\\src.bin", "g:\\dst.bin"));
    EXPECT_EQ(drives.readText("g:\\dst.bin"), big);
    EXPECT_EQ(permissionsOf(drives.hostPath("g:\\dst.bin")), 0750u);

    drives.makeLink("f:\\link.bin", "f:\\src.bin");
    EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\link.bin", "g:\\fromLink.bin"));
    EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\", "g:\\folder.bin"));
    EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\src.bin", "g:\\LPT1.bin"));
    EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\missing", "g:\\x"));
    EXPECT_FALSE(drives.fs().copyFileExclusive("f:\\src.bin", "q:\\x"));
    EXPECT_EQ(drives.listTree("g:\\"), Strings{"dst.bin"});
}

TEST(HostFileSystem, DeleteAndRemoveTouchOnlyWhatTheyMayTouch) {
    TempDrives drives;
    drives.makeFile("f:\\T\\a.txt", "a");
    drives.makeFolder("f:\\T\\Empty");
    drives.makeFolder("f:\\Target");
    drives.makeLink("f:\\T\\link", "f:\\Target");
    auto& fs = drives.fs();
    EXPECT_FALSE(fs.deleteFile("f:\\T\\Empty")) << "deleteFile never removes a folder";
    EXPECT_FALSE(fs.removeEmptyFolder("f:\\T")) << "not empty";
    EXPECT_FALSE(fs.removeEmptyFolder("f:\\T\\link")) << "a link is not a folder to remove";
    EXPECT_FALSE(fs.removeEmptyFolder("f:\\T\\a.txt"));
    EXPECT_TRUE(fs.deleteFile("f:\\T\\a.txt"));
    EXPECT_TRUE(fs.deleteFile("f:\\T\\link"));
    EXPECT_TRUE(drives.isFolder("f:\\Target")) << "deleting a link leaves its target";
    EXPECT_TRUE(fs.removeEmptyFolder("f:\\T\\Empty"));
    EXPECT_TRUE(fs.removeEmptyFolder("f:\\T"));
    EXPECT_FALSE(fs.deleteFile("f:\\T\\a.txt"));
    EXPECT_TRUE(fs.removeEmptyFolder("f:\\Target"));
    EXPECT_FALSE(fs.removeEmptyFolder("f:\\")) << "a drive's root is never removed";
    EXPECT_TRUE(std::filesystem::is_directory(drives.hostPath("f:\\")));
}

TEST(HostFileSystem, FreeSpaceAndCurrentFolder) {
    TempDrives drives;
    EXPECT_GT(drives.fs().freeSpace("f:\\anything"), 0u);
    EXPECT_EQ(drives.fs().freeSpace("q:\\"), 0u);
    EXPECT_EQ(drives.fs().freeSpace(""), 0u);

    const auto previous = std::filesystem::current_path();
    drives.makeFolder("g:\\Work Dir");
    std::filesystem::current_path(drives.hostPath("g:\\Work Dir"));
    EXPECT_EQ(drives.fs().currentFolder(), "g:\\Work Dir");
    std::filesystem::current_path(previous);
}

TEST(HostFileSystem, AtomicWriteReplacesWholeOrLeavesTheOldFile) {
    TempDrives drives;
    auto& fs = drives.fs();
    ASSERT_TRUE(fs.writeFileAtomic("f:\\settings.set", "first"));
    ::chmod(drives.hostPath("f:\\settings.set").c_str(), 0640);
    ASSERT_TRUE(fs.writeFileAtomic("f:\\settings.set", std::string("second\0binary", 13)));
    EXPECT_EQ(fs.readFile("f:\\settings.set"), std::string("second\0binary", 13));
    EXPECT_EQ(permissionsOf(drives.hostPath("f:\\settings.set")), 0640u);

    drives.makeFolder("f:\\folder.set\\inside");
    EXPECT_FALSE(fs.writeFileAtomic("f:\\folder.set", "x")) << "a folder is never replaced";
    EXPECT_FALSE(fs.writeFileAtomic("f:\\missing\\a.set", "x"));
    EXPECT_FALSE(fs.writeFileAtomic("f:\\aux.set", "x"));
    EXPECT_EQ(drives.listTree("f:\\"),
              (Strings{"folder.set\\", "folder.set\\inside\\", "settings.set"}))
        << "no temporary file is left behind";
    EXPECT_EQ(fs.readFile("f:\\folder.set"), std::nullopt);
    EXPECT_EQ(fs.readFile("f:\\missing.set"), std::nullopt);
}

TEST(HostFileSystem, StreamedAtomicWriteIsWholeOrLeavesTheOldFile) {
    using dirforge::platform::ContentSink;
    const struct {
        const char* label;
        Strings pieces;
        int failAfter; // the producer gives up after this many pieces; -1: never
        std::string expected;
    } cases[] = {
        {"pieces in order", {"one ", "two ", "", "three"}, -1, "one two three"},
        {"nothing at all", {}, -1, ""},
        {"producer fails halfway", {"new ", "half"}, 1, "old"},
        {"producer fails at once", {"new"}, 0, "old"},
    };
    for (const auto& c : cases) {
        TempDrives drives;
        auto& fs = drives.fs();
        ASSERT_TRUE(fs.writeFileAtomic("f:\\journal.json", "old"));
        ::chmod(drives.hostPath("f:\\journal.json").c_str(), 0600);
        const bool written = fs.streamFileAtomic("f:\\journal.json", [&](const ContentSink& sink) {
            for (int i = 0; i < static_cast<int>(c.pieces.size()); ++i) {
                if (i == c.failAfter)
                    return false;
                if (!sink(c.pieces[static_cast<std::size_t>(i)]))
                    return false;
            }
            return c.failAfter < 0;
        });
        EXPECT_EQ(written, c.failAfter < 0) << c.label;
        EXPECT_EQ(fs.readFile("f:\\journal.json"), c.expected) << c.label;
        EXPECT_EQ(permissionsOf(drives.hostPath("f:\\journal.json")), 0600u) << c.label;
        EXPECT_EQ(drives.listTree("f:\\"), Strings{"journal.json"})
            << c.label << ": no temporary file is left behind";
    }
}

TEST(HostFileSystem, ExclusiveWritesOfTheProgramsOwnFilesRefuseAFileOrALinkStandingThere) {
    TempDrives drives;
    drives.makeFile("f:\\mine.json", "the user's");
    drives.makeFile("f:\\target.json", "link target");
    drives.makeLink("f:\\link.json", "f:\\target.json");
    drives.makeLink("f:\\dangling.json", "f:\\nothing.json");
    for (const char* path : {"f:\\mine.json", "f:\\link.json", "f:\\dangling.json"}) {
        EXPECT_FALSE(drives.fs().writeFileExclusive(path, "ours")) << path;
        int error = 0;
        EXPECT_EQ(
            drives.fs().openAppendFile(path, dirforge::platform::AppendOpen::CreateNew, &error),
            nullptr)
            << path;
        EXPECT_EQ(error, EEXIST) << path;
    }
    // A journal is appended to only where a regular file of its own stands, never through a link.
    EXPECT_EQ(drives.fs().openAppendFile("f:\\link.json", dirforge::platform::AppendOpen::Existing),
              nullptr);
    EXPECT_EQ(drives.readText("f:\\mine.json"), "the user's");
    EXPECT_EQ(drives.readText("f:\\target.json"), "link target");
    EXPECT_FALSE(drives.exists("f:\\nothing.json"));
    EXPECT_TRUE(drives.fs().writeFileExclusive("f:\\new.json", "ours"));
    EXPECT_EQ(drives.readText("f:\\new.json"), "ours");
}
