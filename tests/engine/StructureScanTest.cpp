#include "engine/StructureScan.h"
#include "engine/FolderStructSize.h"

#include "support/FaultInjectingFileSystem.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>

namespace dirforge::engine {
namespace {

using testing::FaultInjectingFileSystem;
using testing::TempDrives;
using Levels = std::map<std::uint32_t, std::uint32_t>;

/// Reports a chosen number of free bytes per drive letter; everything else goes to the drives.
class FixedFreeSpace : public FaultInjectingFileSystem {
public:
    explicit FixedFreeSpace(platform::FileSystem& inner) : FaultInjectingFileSystem(inner) {}
    std::map<char, std::uint64_t> freeByLetter;
    mutable std::vector<std::string> queried;
    std::uint64_t freeSpace(const std::string& path) const override {
        queried.push_back(path);
        const auto found =
            freeByLetter.find(path.empty() ? '\0' : static_cast<char>(std::tolower(path[0])));
        return found == freeByLetter.end() ? 0 : found->second;
    }
};

/// f:\T with A and A\B and three files of 10 bytes.
void MakeSmallTree(TempDrives& drives) {
    drives.makeFile("f:\\T\\one.txt", "0123456789");
    drives.makeFile("f:\\T\\A\\two.txt", "0123456789");
    drives.makeFile("f:\\T\\A\\B\\three.txt", "0123456789");
}

TEST(FolderStructSizeTest, CountsFoldersFilesBytesAndLevels) {
    TempDrives drives;
    MakeSmallTree(drives);
    for (const bool countRoot : {true, false}) {
        FolderStructSize scan(drives.fs(), "f:\\T");
        scan.SetCountRoot(countRoot);
        scan.Scan();
        EXPECT_EQ(scan.FolderCount(), countRoot ? 3u : 2u);
        EXPECT_EQ(scan.FileCount(), 3u);
        EXPECT_EQ(scan.TotalBytes(), 30u);
        EXPECT_EQ(scan.LevelCounts(), (Levels{{1, 1}, {2, 1}, {3, 1}}));
        EXPECT_EQ(scan.FileSizes().at("f:\\T\\A\\B\\three.txt"), 10u);
    }
}

TEST(FolderStructSizeTest, LevelsFollowSeparatorCountOfTheRootAsWritten) {
    // The level summary relies on depth = separators of the path as the scan forms it.
    TempDrives drives;
    drives.makeFolder("f:\\Clients\\2024\\A\\X");
    drives.makeFolder("f:\\Clients\\2024\\B");
    FolderStructSize scan(drives.fs(), "f:\\Clients\\2024");
    scan.SetCountRoot(true);
    scan.Scan();
    EXPECT_EQ(scan.LevelCounts(), (Levels{{2, 1}, {3, 2}, {4, 1}}));
    EXPECT_EQ(scan.FolderCount(), 4u);
}

TEST(FolderStructSizeTest, MissingOrEmptyRootCountsOnlyItself) {
    TempDrives drives;
    FolderStructSize missing(drives.fs(), "f:\\Nowhere");
    missing.SetCountRoot(true);
    missing.Scan();
    EXPECT_EQ(missing.FolderCount(), 1u);
    EXPECT_EQ(missing.FileCount(), 0u);
    EXPECT_EQ(missing.LevelCounts(), (Levels{{1, 1}}));

    FolderStructSize empty(drives.fs(), "");
    empty.Scan();
    EXPECT_EQ(empty.FolderCount(), 0u);
    EXPECT_TRUE(empty.LevelCounts().empty());
}

TEST(FolderStructSizeTest, LinksAreCountedButNeverFollowed) {
    TempDrives drives;
    drives.makeFile("g:\\Outside\\big\\secret.bin", std::string(5000, 'x'));
    drives.makeFile("g:\\Outside\\file.bin", std::string(700, 'x'));
    drives.makeFolder("f:\\T");
    drives.makeLink("f:\\T\\toFolder", "g:\\Outside");
    drives.makeLink("f:\\T\\toFile", "g:\\Outside\\file.bin");
    drives.makeLink("f:\\T\\self", "f:\\T"); // a loop would never end if it were followed
    FolderStructSize scan(drives.fs(), "f:\\T");
    scan.SetCountRoot(true);
    scan.Scan();
    EXPECT_EQ(scan.FolderCount(), 3u); // T, toFolder, self
    EXPECT_EQ(scan.FileCount(), 1u);   // toFile, without the bytes behind it
    EXPECT_EQ(scan.TotalBytes(), 0u);
    EXPECT_EQ(scan.FileSizes().count("f:\\T\\toFile"), 1u);
    EXPECT_EQ(scan.LevelCounts(), (Levels{{1, 1}, {2, 2}}));
}

TEST(FolderStructSizeTest, FileBeyondFourGigabytesKeepsItsFullSize) {
    TempDrives drives;
    drives.makeFile("f:\\T\\huge.bin");
    const std::uint64_t size = 5ull * 1024 * 1024 * 1024 + 3;
    std::filesystem::resize_file(drives.hostPath("f:\\T\\huge.bin"),
                                 size); // sparse, costs no space
    FolderStructSize scan(drives.fs(), "f:\\T");
    scan.Scan();
    EXPECT_EQ(scan.TotalBytes(), size);
    EXPECT_EQ(scan.FileSizes().at("f:\\T\\huge.bin"), size);
}

TEST(ComputeStructureTotalsTest, VariantsDecideRootAndFiles) {
    TempDrives drives;
    MakeSmallTree(drives);
    struct Case {
        CopyVariant variant;
        bool withFiles;
        StructureTotals expected;
    };
    const Case cases[] = {
        {CopyVariant::MainFolderWithFiles, true, {3, 3, 30}},
        {CopyVariant::SubFoldersOnlyWithFiles, true, {2, 3, 30}},
        {CopyVariant::MainFolderWithoutFiles, false, {3, 0, 0}},
        {CopyVariant::SubFoldersOnlyWithoutFiles, false, {2, 0, 0}},
    };
    for (const Case& c : cases) {
        StructureTotals totals{99, 99, 99};
        FileSizeMap sizes{{"stale", 1}};
        ComputeStructureTotals(drives.fs(), {" \tf:\\T \r", "   "}, c.variant, c.withFiles, totals,
                               sizes);
        EXPECT_EQ(totals.subfolders, c.expected.subfolders);
        EXPECT_EQ(totals.files, c.expected.files);
        EXPECT_EQ(totals.bytes, c.expected.bytes);
        EXPECT_EQ(sizes.size(), 3u); // sizes are always gathered, the stale entry is gone
    }
}

TEST(ComputeStructureTotalsTest, SharedFileCountsTwiceInBytesOnceInTheMap) {
    TempDrives drives;
    MakeSmallTree(drives);
    drives.makeFile("f:\\U\\u.txt", "12345");
    StructureTotals totals;
    FileSizeMap sizes;
    const std::string extra = "f:\\U";
    ComputeStructureTotals(drives.fs(), {"f:\\T", "f:\\T"}, CopyVariant::MainFolderWithFiles, true,
                           totals, sizes, &extra);
    EXPECT_EQ(totals.bytes, 65u);
    EXPECT_EQ(totals.files, 7u);
    EXPECT_EQ(totals.subfolders, 7u);
    EXPECT_EQ(sizes.size(), 4u);
}

TEST(SizeTextTest, UnitBoundaries) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0.00 Bytes"},          {1024, "1024.00 Bytes"}, {1025, "1.00 KB"},
        {1536, "1.50 KB"},          {1048576, "1024.00 KB"}, {1073741824, "1024.00 MB"},
        {3221225472ull, "3.00 GB"}, {10000, "9.77 KB"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeText(bytes), text) << bytes;
}

TEST(FreeSpaceTest, DrivelessUnmappedOrMissingDrivesHaveNoSpace) {
    TempDrives drives;
    EXPECT_GT(FreeSpaceOf(drives.fs(), "f:\\Clients"), 0u);
    EXPECT_GT(FreeSpaceOf(drives.fs(), "  G:\\x"), 0u);
    for (const char* path : {"q:\\Clients", "Clients", "", "\\\\server\\share", "1:\\x", ":\\x"})
        EXPECT_EQ(FreeSpaceOf(drives.fs(), path), 0u) << path;
}

TEST(FreeSpaceTest, StrictlyMoreThanRequiredIsNeeded) {
    TempDrives drives;
    FixedFreeSpace fs(drives.fs());
    const StructureTotals totals{1, 1, 1000};
    std::string message;
    fs.freeByLetter['f'] = 10000;
    EXPECT_FALSE(CheckFreeSpace(fs, "f:\\Clients", 10, totals, message));
    EXPECT_EQ(
        message,
        "There is not enough space on the disk.\nThe free space on the disk f:\\ is : 9.77 KB    "
        "10000 bytes\nThe program requires : 9.77 KB    10000 bytes.");
    fs.freeByLetter['f'] = 10001;
    EXPECT_TRUE(CheckFreeSpace(fs, "f:\\Clients", 10, totals, message));
    EXPECT_EQ(message, "");
    EXPECT_FALSE(
        CheckFreeSpace(fs, "f:\\Clients", 0, totals, message)); // no names: nothing to accept
    EXPECT_EQ(message, "");
}

TEST(FreeSpaceTest, RequirementInSixSignificantDigits) {
    EXPECT_EQ(NotEnoughSpaceMessage("f:\\", 5, 1234567890.0),
              "There is not enough space on the disk.\nThe free space on the disk f:\\ is : 5.00 "
              "Bytes    5 "
              "bytes\nThe program requires : 1.15 GB    1.23457e+09 bytes.");
}

TEST(FreeSpacePerDriveTest, EachDriveNeedsItsOwnShare) {
    TempDrives drives;
    FixedFreeSpace fs(drives.fs());
    const StructureTotals totals{1, 1, 1000};
    const std::vector<std::string> targets{"f:\\A", "f:\\B", " g:\\C"};
    std::string message;

    fs.freeByLetter = {{'f', 2000}, {'g', 1000}}; // equal to the need passes on this page
    EXPECT_TRUE(CheckFreeSpacePerDrive(fs, targets, totals, message));
    EXPECT_EQ(fs.queried.size(), 2u); // one query per drive key

    fs.freeByLetter = {{'f', 1999}, {'g', 0}}; // both short: only f (checked first) is reported
    EXPECT_FALSE(CheckFreeSpacePerDrive(fs, targets, totals, message));
    EXPECT_EQ(
        message,
        "There is not enough space on the disk.\nThe free space on the disk f:\\ is : 1.95 KB    "
        "1999 bytes\nThe program requires : 1.95 KB    2000 bytes.");

    fs.freeByLetter = {{'f', 2000}, {'g', 999}};
    EXPECT_FALSE(CheckFreeSpacePerDrive(fs, targets, totals, message));
    EXPECT_NE(message.find("disk g:\\ is : 999.00 Bytes    999 bytes"), std::string::npos)
        << message;

    EXPECT_FALSE(CheckFreeSpacePerDrive(fs, {}, totals, message));
    EXPECT_EQ(message, "");
}

TEST(FreeSpacePerDriveTest, LetterCaseMakesSeparateKeysOnTheSameDrive) {
    TempDrives drives;
    FixedFreeSpace fs(drives.fs());
    fs.freeByLetter['f'] = 1000;
    std::string message;
    // F: and f: each need 1000 only, so both pass although together they need 2000.
    EXPECT_TRUE(
        CheckFreeSpacePerDrive(fs, {"F:\\A", "f:\\B"}, StructureTotals{1, 1, 1000}, message));
    EXPECT_EQ(fs.queried, (std::vector<std::string>{"F:\\", "f:\\"})); // upper case sorts first

    // Without files nothing is required, so even a driveless entry passes.
    EXPECT_TRUE(
        CheckFreeSpacePerDrive(fs, {"Clients", "q:\\x"}, StructureTotals{3, 0, 0}, message));
}

} // namespace
} // namespace dirforge::engine
