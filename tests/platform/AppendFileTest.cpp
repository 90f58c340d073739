// The journal's append file: what an append handed over is in the file even when the process is
// killed right after it, a full drive fails an append whole and leaves every earlier record, and
// a closed file ends at its last record.

#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dirforge::testing {
namespace {

using platform::AppendOpen;

/// Records enough for several mapped windows of the file.
constexpr int kRecords = 200000;

std::string HostBytes(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Record(int i) {
    return "{\"made\":\"f:\\\\N" + std::to_string(i) + "\"}\n";
}

TEST(AppendFile, AKilledProcessLeavesEveryRecordItHandedOverAndAClosedFileEndsAtItsLast) {
    TempDrives drives;
    const std::string host = drives.hostRoot() + "/f/j.json";
    std::string expected;
    for (int i = 0; i < kRecords; ++i)
        expected += Record(i);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto file = drives.fs().openAppendFile("f:\\j.json", AppendOpen::CreateNew);
        for (int i = 0; file && i < kRecords; ++i)
            if (!file->append(Record(i)))
                ::_exit(2);
        ::_exit(file ? 0 : 1); // no destructor runs: as a process killed after its last append
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string left = HostBytes(host);
    ASSERT_GE(left.size(), expected.size());
    EXPECT_EQ(left.substr(0, expected.size()), expected);
    EXPECT_EQ(left.find_first_not_of('\0', expected.size()), std::string::npos)
        << "only room reserved ahead, as zeros, may follow the records";

    // Reopened, cut to its records and appended to, then closed: no zeros are left behind.
    {
        auto file = drives.fs().openAppendFile("f:\\j.json", AppendOpen::Existing);
        ASSERT_TRUE(file);
        ASSERT_TRUE(file->truncate(expected.size()));
        ASSERT_TRUE(file->append(Record(kRecords)));
        ASSERT_TRUE(file->sync());
    }
    EXPECT_EQ(HostBytes(host), expected + Record(kRecords));
}

TEST(AppendFile, AFullDriveFailsAnAppendWholeAndKeepsEveryRecordBeforeIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    TempDrives drives;
    const std::string folder = drives.hostRoot() + "/f/small";
    std::filesystem::create_directories(folder);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    std::string written;
    int error = 0;
    {
        auto file = drives.fs().openAppendFile("f:\\small\\j.json", AppendOpen::CreateNew);
        ASSERT_TRUE(file);
        const std::string piece(3000, 'x');
        for (int i = 0; i < 1000; ++i) {
            const std::string record = std::to_string(i) + piece + "\n";
            if (!file->append(record)) {
                error = file->error();
                break;
            }
            written += record;
        }
    }
    const std::string left = HostBytes(folder + "/j.json");
    ::umount2(folder.c_str(), MNT_DETACH);
    EXPECT_EQ(error, ENOSPC);
    EXPECT_GT(written.size(), 0u);
    EXPECT_EQ(left, written);
}

} // namespace
} // namespace dirforge::testing
