// A copy's content: a sparse file keeps its holes, a clone holds the source's bytes, a refused
// clone becomes a copy (asked once per pair of drives), and the undo removes each kind.

#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dirforge::testing {
namespace {

using platform::AnchorReach;
using platform::CopyMemory;
using platform::FileIdentity;
using platform::RemoveOutcome;

constexpr off_t kMiB = 1 << 20;

/// Writes a file of size bytes that holds two 1 MiB runs of varied bytes and holes elsewhere.
void MakeSparse(const std::string& host, off_t size) {
    const int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0640);
    ASSERT_GE(fd, 0);
    std::string piece(kMiB, '\0');
    for (std::size_t i = 0; i < piece.size(); ++i)
        piece[i] = static_cast<char>(i * 131 + 7);
    for (const off_t at : {4 * kMiB, size - 2 * kMiB})
        ASSERT_EQ(::pwrite(fd, piece.data(), piece.size(), at), kMiB);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

std::string Bytes(const std::string& host) {
    std::string bytes;
    if (FILE* in = std::fopen(host.c_str(), "rb")) {
        char buffer[65536];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
            bytes.append(buffer, got);
        std::fclose(in);
    }
    return bytes;
}

std::uint64_t Allocated(const std::string& host) {
    struct stat st {};
    ::stat(host.c_str(), &st);
    return static_cast<std::uint64_t>(st.st_blocks) * 512;
}

/// Copies f:\S\<name> to f:\T\<name> through held anchors, as a run does.
struct Copier {
    explicit Copier(TempDrives& drives)
        : structure(drives.fs().openAnchor("f:\\S", AnchorReach::Exact)),
          target(drives.fs().openAnchor("f:\\T", AnchorReach::Exact)) {}
    bool copy(const std::string& name, FileIdentity& identity) {
        return target->copyFileFrom(*structure, "f:\\S\\" + name, "f:\\T\\" + name, &identity,
                                    memory);
    }
    std::unique_ptr<platform::AnchoredFolder> structure, target;
    CopyMemory memory;
};

TEST(FileCopy, ASparseCopyHoldsTheSourceBytesKeepsItsHolesAndIsUndone) {
    TempDrives drives;
    drives.makeFolder("f:\\S");
    drives.makeFolder("f:\\T");
    const std::string source = drives.hostPath("f:\\S\\sparse.bin");
    MakeSparse(source, 64 * kMiB);
    if (Allocated(source) >= 64 * kMiB)
        GTEST_SKIP() << "the temporary folder's file system keeps no holes";
    Copier copier(drives);
    FileIdentity identity;
    ASSERT_TRUE(copier.copy("sparse.bin", identity));
    const std::string copy = drives.hostPath("f:\\T\\sparse.bin");
    EXPECT_TRUE(Bytes(copy) == Bytes(source));
    EXPECT_LE(Allocated(copy), 2 * Allocated(source) + 64 * 1024);
    EXPECT_EQ(copier.target->removeFile("f:\\T\\sparse.bin", identity), RemoveOutcome::Removed);
}

TEST(FileCopy, ARefusedCloneBecomesACopyAndIsAskedOncePerPairOfDrives) {
    TempDrives drives;
    drives.makeFile("f:\\S\\a.txt", "first file");
    drives.makeFile("f:\\S\\b.txt", std::string(3 * kMiB, 'b')); // too big to keep: streamed
    drives.makeFile("f:\\S\\c.txt", "third");
    drives.makeFolder("f:\\T");
    Copier copier(drives);
    int asked = 0;
    copier.memory.setCloneCall([&](int, int) {
        ++asked;
        return EOPNOTSUPP;
    });
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        FileIdentity identity;
        ASSERT_TRUE(copier.copy(name, identity)) << name;
        EXPECT_EQ(drives.readText(std::string("f:\\T\\") + name),
                  drives.readText(std::string("f:\\S\\") + name));
        EXPECT_EQ(identity, drives.identityOf(std::string("f:\\T\\") + name)) << name;
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(copier.memory.tally().fromMemory, 2u);
    EXPECT_EQ(copier.memory.tally().streamed, 1u);

    // A clone that fails for this one file (a full disk, say) is tried again for the next.
    drives.makeFolder("f:\\T2");
    auto other = drives.fs().openAnchor("f:\\T2", AnchorReach::Exact);
    CopyMemory memory;
    memory.setCloneCall([&](int, int) {
        ++asked;
        return ENOSPC;
    });
    FileIdentity identity;
    ASSERT_TRUE(
        other->copyFileFrom(*copier.structure, "f:\\S\\a.txt", "f:\\T2\\a.txt", &identity, memory));
    ASSERT_TRUE(
        other->copyFileFrom(*copier.structure, "f:\\S\\c.txt", "f:\\T2\\c.txt", &identity, memory));
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(drives.readText("f:\\T2\\c.txt"), "third");
    // The exclusive create still holds: nothing is written over.
    EXPECT_FALSE(
        other->copyFileFrom(*copier.structure, "f:\\S\\c.txt", "f:\\T2\\a.txt", &identity, memory));
    EXPECT_EQ(drives.readText("f:\\T2\\a.txt"), "first file");
}

/// An XFS file system with reflink on a loop device, mounted below the temporary drives.
class ReflinkMount {
public:
    explicit ReflinkMount(const std::string& folder) : folder_(folder), image_(folder + ".img") {
        if (::geteuid() != 0) {
            why_ = "not root: no loop file system can be mounted";
            return;
        }
        if (std::system("command -v mkfs.xfs > /dev/null 2>&1") != 0) {
            why_ = "mkfs.xfs is missing (xfsprogs)";
            return;
        }
        std::filesystem::create_directories(folder_);
        const std::string make = "truncate -s 320M '" + image_ + "' && mkfs.xfs -q -m reflink=1 '" +
                                 image_ + "' && mount -o loop '" + image_ + "' '" + folder_ + "'";
        if (std::system(make.c_str()) != 0)
            why_ = "the loop file system could not be made or mounted";
        else
            mounted_ = true;
    }
    ~ReflinkMount() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        std::filesystem::remove(image_);
    }
    bool ready() const { return mounted_; }
    const std::string& whyNot() const { return why_; }

private:
    std::string folder_, image_, why_;
    bool mounted_ = false;
};

TEST(FileCopy, AFileTooBigToKeepIsCopiedWholeAcrossFileSystems) {
    // From the memory file system to the temporary folder's: where the kernel refuses to copy
    // between them, the copy reads and writes the file itself, from where the kernel stopped.
    TempDrives drives;
    char shm[] = "/dev/shm/dirforge-copy-XXXXXX";
    if (::mkdtemp(shm) == nullptr)
        GTEST_SKIP() << "no /dev/shm to copy from";
    drives.fs().drives().map('h', shm);
    std::string big(5 * kMiB + 123, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 4096);
    drives.makeFile("h:\\S\\big.bin", big);
    drives.makeFile("h:\\S\\big2.bin", big.substr(17));
    drives.makeFolder("f:\\T");
    auto structure = drives.fs().openAnchor("h:\\S", AnchorReach::Exact);
    auto target = drives.fs().openAnchor("f:\\T", AnchorReach::Exact);
    CopyMemory memory;
    for (const char* name : {"big.bin", "big2.bin"}) {
        FileIdentity identity;
        ASSERT_TRUE(target->copyFileFrom(*structure, std::string("h:\\S\\") + name,
                                         std::string("f:\\T\\") + name, &identity, memory));
        EXPECT_TRUE(drives.readText(std::string("f:\\T\\") + name) ==
                    drives.readText(std::string("h:\\S\\") + name))
            << name;
    }
    EXPECT_EQ(memory.tally().streamed, 2u);
    std::filesystem::remove_all(shm);
}

TEST(FileCopy, AClonedCopyHoldsTheSourceBytesAndIsUndone) {
    TempDrives drives;
    const std::string host = drives.mapDrive('x');
    ReflinkMount mount(host + "/xfs");
    if (!mount.ready())
        GTEST_SKIP() << mount.whyNot();
    platform::DriveMap map = drives.drives();
    map.map('x', host + "/xfs");
    platform::HostFileSystem fs(map);
    std::filesystem::create_directories(host + "/xfs/S");
    std::filesystem::create_directories(host + "/xfs/T");
    MakeSparse(host + "/xfs/S/big.bin", 8 * kMiB);
    auto structure = fs.openAnchor("x:\\S", AnchorReach::Exact);
    auto target = fs.openAnchor("x:\\T", AnchorReach::Exact);
    CopyMemory memory;
    FileIdentity identity;
    ASSERT_TRUE(
        target->copyFileFrom(*structure, "x:\\S\\big.bin", "x:\\T\\big.bin", &identity, memory));
    EXPECT_EQ(memory.tally().cloned, 1u);
    EXPECT_TRUE(Bytes(host + "/xfs/T/big.bin") == Bytes(host + "/xfs/S/big.bin"));
    EXPECT_EQ(target->removeFile("x:\\T\\big.bin", identity), RemoveOutcome::Removed);
    EXPECT_FALSE(std::filesystem::exists(host + "/xfs/T/big.bin"));
}

} // namespace
} // namespace dirforge::testing
