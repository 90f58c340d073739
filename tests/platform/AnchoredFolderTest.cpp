// The handle-based operations below a chosen folder: what they make, what they refuse, and what
// they remove, with links, files and other objects standing in the way.

#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace dirforge::testing {
namespace {

using platform::AnchorReach;
using platform::FileIdentity;
using platform::MadeItem;
using platform::RemoveOutcome;
using Strings = std::vector<std::string>;

Strings PathsOf(const std::vector<MadeItem>& made) {
    Strings paths;
    for (const MadeItem& item : made)
        paths.push_back(item.path);
    return paths;
}

TEST(AnchoredFolder, OpensTheChosenFolderOrItsDeepestExistingOne) {
    TempDrives drives;
    drives.makeFolder("f:\\Clients");
    drives.makeLink("f:\\Linked", "g:\\");
    const struct {
        const char* path;
        AnchorReach reach;
        const char* anchor; // nullptr: none
    } cases[] = {
        {"f:\\Clients", AnchorReach::Exact, "f:\\Clients"},
        {"F:/Clients//", AnchorReach::Exact, "F:\\Clients"},
        {"f:\\Clients\\New\\Deeper", AnchorReach::DeepestExisting, "f:\\Clients"},
        {"f:\\Clients\\New", AnchorReach::Exact, nullptr},
        {"f:\\Linked", AnchorReach::Exact, "f:\\Linked"}, // resolved as given
        {"f:\\", AnchorReach::Exact, "f:"},
        {"f:\\Clients\\..\\..", AnchorReach::DeepestExisting, nullptr},
        {"q:\\Unmapped", AnchorReach::DeepestExisting, nullptr},
    };
    for (const auto& c : cases) {
        const auto anchor = drives.fs().openAnchor(c.path, c.reach);
        ASSERT_EQ(anchor != nullptr, c.anchor != nullptr) << c.path;
        if (anchor) {
            EXPECT_EQ(anchor->path(), c.anchor) << c.path;
        }
    }
    EXPECT_TRUE(drives.fs()
                    .openAnchor("f:\\Linked", AnchorReach::Exact)
                    ->identity()
                    .sameObject(drives.identityOf("g:\\")));
}

TEST(AnchoredFolder, OpensAFolderBelowItFromItsOwnHandle) {
    TempDrives drives;
    drives.makeFolder("f:\\D\\Sub");
    drives.makeFolder("f:\\Other");
    drives.makeLink("f:\\D\\Linked", "g:\\");
    auto above = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
    ASSERT_TRUE(above);
    const struct {
        const char* path;
        AnchorReach reach;
        const char* anchor; // nullptr: none
        const char* sameAs; // the folder it must hold
    } cases[] = {
        {"f:\\D\\Sub", AnchorReach::Exact, "f:\\D\\Sub", "f:\\D\\Sub"},
        {"F:/D//Sub/", AnchorReach::Exact, "F:\\D\\Sub", "f:\\D\\Sub"},
        {"f:\\D", AnchorReach::Exact, "f:\\D", "f:\\D"},
        {"f:\\D\\Linked", AnchorReach::Exact, "f:\\D\\Linked", "g:\\"}, // resolved as given
        {"f:\\D\\Sub\\New\\Deeper", AnchorReach::DeepestExisting, "f:\\D\\Sub", "f:\\D\\Sub"},
        {"f:\\D\\New", AnchorReach::DeepestExisting, "f:\\D", "f:\\D"}, // never above it
        {"f:\\D\\New", AnchorReach::Exact, nullptr, nullptr},
        {"f:\\Other", AnchorReach::DeepestExisting, nullptr, nullptr},
        {"f:\\D\\..\\Other", AnchorReach::DeepestExisting, nullptr, nullptr},
        {"g:\\D\\Sub", AnchorReach::DeepestExisting, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto anchor = above->openFolder(c.path, c.reach);
        ASSERT_EQ(anchor != nullptr, c.anchor != nullptr) << c.path;
        if (anchor) {
            EXPECT_EQ(anchor->path(), c.anchor) << c.path;
            EXPECT_TRUE(anchor->identity().sameObject(drives.identityOf(c.sameAs))) << c.path;
        }
    }
    // What stands at the anchor's own path is not looked up again.
    std::filesystem::rename(drives.hostPath("f:\\D"), drives.hostPath("f:\\Moved"));
    const auto moved = above->openFolder("f:\\D\\Sub", AnchorReach::Exact);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->path(), "f:\\D\\Sub");
    EXPECT_TRUE(moved->identity().sameObject(drives.identityOf("f:\\Moved\\Sub")));
}

TEST(AnchoredFolder, CreatesBelowItNeverThroughALink) {
    TempDrives drives;
    drives.makeFolder("f:\\D\\Old");
    drives.makeFolder("g:\\Outside");
    drives.makeLink("f:\\D\\L", "g:\\Outside");
    drives.makeFile("f:\\D\\file", "x");
    auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
    ASSERT_TRUE(anchor);
    const struct {
        const char* path;
        bool ok;
        Strings made;
    } cases[] = {
        {"f:\\D\\A", true, {"f:\\D\\A"}},
        {"f:\\D\\A", true, {}},
        {"f:\\D\\Old", true, {}},
        {"f:\\D\\B\\x\\y", true, {"f:\\D\\B", "f:\\D\\B\\x", "f:\\D\\B\\x\\y"}},
        {"f:/D//C/./d/", true, {"f:\\D\\C", "f:\\D\\C\\d"}},
        {"f:\\D\\L", false, {}},
        {"f:\\D\\L\\x", false, {}},
        {"f:\\D\\file\\x", false, {}},
        {"f:\\D\\New\\trail.\\x", false, {}}, // refused before anything is made
        {"f:\\D\\CONOUT$", false, {}},
        {"f:\\Elsewhere", false, {}},
        {"g:\\D\\A", false, {}},
        {"f:\\D\\..\\escape", false, {}},
    };
    for (const auto& c : cases) {
        std::vector<MadeItem> made;
        EXPECT_EQ(anchor->createFolder(c.path, &made), c.ok) << c.path;
        EXPECT_EQ(PathsOf(made), c.made) << c.path;
        for (const MadeItem& item : made)
            EXPECT_EQ(item.identity, drives.identityOf(item.path)) << item.path;
    }
    EXPECT_EQ(drives.listTree("g:\\Outside"), Strings{});
    EXPECT_FALSE(drives.exists("f:\\escape"));
}

TEST(AnchoredFolder, CopiesExclusivelyAndRecordsTheCopy) {
    TempDrives drives;
    drives.makeFile("g:\\Src\\a.txt", "content");
    drives.makeLink("g:\\Src\\link.txt", "g:\\Src\\a.txt");
    drives.makeFolder("f:\\D\\Sub");
    drives.makeFolder("g:\\Outside");
    drives.makeLink("f:\\D\\L", "g:\\Outside");
    drives.makeFile("f:\\D\\there.txt", "mine");
    auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
    ASSERT_TRUE(anchor);
    const struct {
        const char* from;
        const char* to;
        bool ok;
    } cases[] = {
        {"g:\\Src\\a.txt", "f:\\D\\Sub\\a.txt", true},
        {"g:\\Src\\a.txt", "f:\\D\\Sub\\a.txt", false}, // never overwritten
        {"g:\\Src\\a.txt", "f:\\D\\there.txt", false},
        {"g:\\Src\\link.txt", "f:\\D\\Sub\\b.txt", false}, // a link is not copied
        {"g:\\Src\\a.txt", "f:\\D\\L\\a.txt", false},      // nor written through
        {"g:\\Src\\a.txt", "f:\\D\\Missing\\a.txt", false},
        {"g:\\Src\\a.txt", "f:\\Outside.txt", false},
    };
    for (const auto& c : cases) {
        FileIdentity identity;
        EXPECT_EQ(anchor->copyFileInto(c.from, c.to, &identity), c.ok) << c.to;
        if (c.ok) {
            EXPECT_EQ(identity, drives.identityOf(c.to));
        }
    }
    EXPECT_EQ(drives.readText("f:\\D\\Sub\\a.txt"), "content");
    EXPECT_EQ(drives.readText("f:\\D\\there.txt"), "mine");
    EXPECT_EQ(drives.listTree("g:\\Outside"), Strings{});
}

TEST(AnchoredFolder, RemovesOnlyTheRecordedObject) {
    TempDrives drives;
    drives.makeFolder("g:\\Outside\\F");
    drives.makeFile("g:\\Outside\\f.txt", "x");
    struct Case {
        const char* name;
        std::function<FileIdentity(TempDrives&)> arrange; // returns the recorded identity
        const char* path;
        bool folder;
        RemoveOutcome outcome;
    };
    const Case cases[] = {
        {"same folder",
         [](TempDrives& d) {
             d.makeFolder("f:\\D\\F");
             return d.identityOf("f:\\D\\F");
         },
         "f:\\D\\F", true, RemoveOutcome::Removed},
        {"same file",
         [](TempDrives& d) {
             d.makeFile("f:\\D\\f.txt", "x");
             return d.identityOf("f:\\D\\f.txt");
         },
         "f:\\D\\f.txt", false, RemoveOutcome::Removed},
        {"gone", [](TempDrives& d) { return d.identityOf("f:\\D"); }, "f:\\D\\none", true,
         RemoveOutcome::Gone},
        {"folder gone above", [](TempDrives& d) { return d.identityOf("f:\\D"); }, "f:\\D\\x\\y",
         false, RemoveOutcome::Gone},
        {"no identity",
         [](TempDrives& d) {
             d.makeFolder("f:\\D\\F");
             return FileIdentity{};
         },
         "f:\\D\\F", true, RemoveOutcome::Kept},
        {"another folder",
         [](TempDrives& d) {
             d.makeFolder("f:\\D\\F");
             return d.identityOf("f:\\D");
         },
         "f:\\D\\F", true, RemoveOutcome::Kept},
        {"not empty",
         [](TempDrives& d) {
             d.makeFile("f:\\D\\F\\x", "");
             return d.identityOf("f:\\D\\F");
         },
         "f:\\D\\F", true, RemoveOutcome::Kept},
        {"file edited",
         [](TempDrives& d) {
             d.makeFile("f:\\D\\f.txt", "x");
             const FileIdentity recorded = d.identityOf("f:\\D\\f.txt");
             std::ofstream(d.hostPath("f:\\D\\f.txt"), std::ios::app) << "more";
             return recorded;
         },
         "f:\\D\\f.txt", false, RemoveOutcome::Kept},
        {"file touched",
         [](TempDrives& d) {
             d.makeFile("f:\\D\\f.txt", "x");
             FileIdentity recorded = d.identityOf("f:\\D\\f.txt");
             recorded.modified -= 1000000000;
             return recorded;
         },
         "f:\\D\\f.txt", false, RemoveOutcome::Kept},
        {"folder swapped for a link",
         [](TempDrives& d) {
             d.makeLink("f:\\D\\F", "g:\\Outside\\F");
             return d.identityOf("g:\\Outside\\F");
         },
         "f:\\D\\F", true, RemoveOutcome::Kept},
        {"file below a link",
         [](TempDrives& d) {
             d.makeLink("f:\\D\\L", "g:\\Outside");
             return d.identityOf("g:\\Outside\\f.txt");
         },
         "f:\\D\\L\\f.txt", false, RemoveOutcome::Kept},
        {"a folder where a file was",
         [](TempDrives& d) {
             d.makeFolder("f:\\D\\f.txt");
             return d.identityOf("f:\\D\\f.txt");
         },
         "f:\\D\\f.txt", false, RemoveOutcome::Kept},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(drives.hostPath("f:\\D"));
        drives.makeFolder("f:\\D");
        const FileIdentity recorded = c.arrange(drives);
        auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
        ASSERT_TRUE(anchor) << c.name;
        const RemoveOutcome outcome = c.folder ? anchor->removeFolder(c.path, recorded)
                                               : anchor->removeFile(c.path, recorded);
        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_EQ(drives.exists(c.path), outcome == RemoveOutcome::Kept) << c.name;
    }
    EXPECT_TRUE(drives.isFolder("g:\\Outside\\F"));
    EXPECT_EQ(drives.readText("g:\\Outside\\f.txt"), "x");
}

TEST(HostFileSystem, TextFilesAreReadWithALimit) {
    TempDrives drives;
    drives.makeFile("f:\\list.txt", "a\nb\n");
    drives.makeFile("f:\\nul.txt", std::string("one\ntwo\nth\0ree\n", 15));
    std::filesystem::resize_file(drives.hostPath("f:\\list.txt"), 4); // "a\nb\n"
    {
        std::ofstream(drives.hostPath("f:\\big.txt"));
        std::filesystem::resize_file(drives.hostPath("f:\\big.txt"), 2000); // sparse, never read
    }
    const auto drive = [&](const std::string& host) { return *drives.drives().toDrive(host); };
    const struct {
        std::string path;
        std::uint64_t limit;
        bool readable;
        bool tooLarge;
        bool nul;
        std::string content;
    } cases[] = {
        {"f:\\list.txt", 100, true, false, false, "a\nb\n"},
        {"f:\\list.txt", 4, true, false, false, "a\nb\n"},
        {"f:\\list.txt", 3, false, true, false, ""},
        {"f:\\big.txt", 1000, false, true, false, ""},
        {"f:\\nul.txt", 100, true, false, true, "one\ntwo\nth"},
        {drive("/dev/zero"), 1 << 20, true, false, true, ""},
        {drive("/dev/null"), 10, true, false, false, ""},
        {"f:\\absent.txt", 100, false, false, false, ""},
        {"f:\\", 100, false, false, false, ""},
    };
    for (const auto& c : cases) {
        const platform::TextFileRead read = drives.fs().readTextFile(c.path, c.limit);
        EXPECT_EQ(read.content.has_value(), c.readable) << c.path;
        EXPECT_EQ(read.tooLarge, c.tooLarge) << c.path;
        EXPECT_EQ(read.nulByte, c.nul) << c.path;
        if (read.content) {
            EXPECT_EQ(*read.content, c.content) << c.path;
        }
    }
}

TEST(AnchoredFolder, ManyRemovalsFromOneFolderStillCheckEveryIdentity) {
    // Past a few dozen removals a parent is listed once; a folder swapped for a link or for
    // another folder must still be kept.
    TempDrives drives;
    drives.makeFolder("f:\\D\\Spare");
    std::vector<std::string> paths;
    std::vector<FileIdentity> recorded;
    for (int i = 0; i < 100; ++i) {
        paths.push_back("f:\\D\\N" + std::to_string(100 + i));
        drives.makeFolder(paths.back());
        recorded.push_back(drives.identityOf(paths.back()));
    }
    std::filesystem::remove(drives.hostPath(paths[80]));
    drives.makeLink(paths[80], "f:\\D\\Spare");
    std::filesystem::remove(drives.hostPath(paths[90]));
    std::filesystem::rename(drives.hostPath("f:\\D\\Spare"), drives.hostPath(paths[90]));
    auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
    ASSERT_TRUE(anchor);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const bool swapped = i == 80 || i == 90;
        EXPECT_EQ(anchor->removeFolder(paths[i], recorded[i]),
                  swapped ? RemoveOutcome::Kept : RemoveOutcome::Removed)
            << paths[i];
    }
    EXPECT_EQ(drives.listTree("f:\\D"), (Strings{"N180@", "N190\\"}));
}

TEST(AnchoredFolder, IdentitiesLeftForLaterAreTheFoldersOwn) {
    // A few are asked one by one, many from one listing; either way each identity is the very
    // folder's, and a folder gone (or swapped for a link) by then stays without one.
    for (const int count : {3, 40}) {
        TempDrives drives;
        drives.makeFolder("f:\\D");
        auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
        ASSERT_TRUE(anchor);
        std::vector<MadeItem> made;
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(anchor->createFolder("f:\\D\\N" + std::to_string(i), &made,
                                             platform::MadeIdentity::Later));
        ASSERT_EQ(made.size(), static_cast<std::size_t>(count));
        for (const MadeItem& item : made)
            EXPECT_FALSE(item.identity.known()) << item.path;
        std::filesystem::remove(drives.hostPath("f:\\D\\N1"));
        drives.makeFolder("f:\\Elsewhere");
        drives.makeLink("f:\\D\\N1", "f:\\Elsewhere");

        const std::vector<FileIdentity> found = anchor->identifyDeferred();
        ASSERT_EQ(found.size(), made.size()) << count;
        for (std::size_t i = 0; i < made.size(); ++i) {
            if (i == 1)
                EXPECT_FALSE(found[i].known()) << count;
            else
                EXPECT_TRUE(found[i].sameObject(drives.identityOf(made[i].path))) << made[i].path;
        }
        EXPECT_TRUE(anchor->identifyDeferred().empty()) << "asked once, then forgotten";
    }
}

TEST(AnchoredFolder, TakesEverySpellingOfAPathBelowItAndNothingBeside) {
    TempDrives drives;
    drives.makeFolder("f:\\D");
    drives.makeFolder("f:\\DX");
    auto anchor = drives.fs().openAnchor("f:\\D", AnchorReach::Exact);
    ASSERT_TRUE(anchor);
    const struct {
        const char* path;
        bool below; // else refused: beside the anchor, or not a plain name
    } cases[] = {
        {"f:\\D\\A", true},     {"F:\\D\\B", true},    {"f:/D/C", true},
        {"f:\\D\\\\E\\", true}, {"f:\\DX\\G", false},  {"f:\\D\\..\\DX\\H", false},
        {"g:\\D\\I", false},    {"f:\\D\\CON", false},
    };
    for (const auto& c : cases) {
        std::vector<MadeItem> made;
        EXPECT_EQ(anchor->createFolder(c.path, &made), c.below) << c.path;
        EXPECT_EQ(made.size(), c.below ? 1u : 0u) << c.path;
    }
    EXPECT_EQ(drives.listTree("f:\\D"), (Strings{"A\\", "B\\", "C\\", "E\\"}));
    EXPECT_TRUE(drives.listTree("f:\\DX").empty());
    EXPECT_EQ(anchor->removeFolder("F:\\D\\A", drives.identityOf("f:\\D\\A")),
              RemoveOutcome::Removed);
    EXPECT_EQ(anchor->removeFolder("f:\\DX", drives.identityOf("f:\\DX")), RemoveOutcome::Kept);
    EXPECT_TRUE(drives.isFolder("f:\\DX"));
}

} // namespace
} // namespace dirforge::testing
