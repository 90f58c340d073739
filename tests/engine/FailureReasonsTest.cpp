// Every failure keeps its cause up to the report: the errno of the call that failed (put there by
// the fault-injecting file system, or met on the disk) or a refusal of the platform's own; the
// dry run predicts a structure file the run cannot read, with the same cause; the undo says why
// it kept what it kept.

#include "SimulateThenRun.h"

#include "core/ListReports.h"
#include "engine/FolderFileUndo.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace dirforge::testing {
namespace {

using engine::ResultList;

/// Small file systems mounted below the test's drives for one test, unmounted at its end.
class MountedDrives {
public:
    ~MountedDrives() {
        for (auto it = points_.rbegin(); it != points_.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
    }
    /// Mounts a tmpfs with options at host (made first); false where the test may not mount.
    bool mount(const std::string& host, unsigned long flags, const char* options) {
        std::filesystem::create_directories(host);
        if (::mount("tmpfs", host.c_str(), "tmpfs", flags, options) != 0)
            return false;
        points_.push_back(host);
        return true;
    }

private:
    std::vector<std::string> points_;
};

class FailureReasons : public RunFixture {
protected:
    std::string reasonOf(const std::string& path) const {
        const auto found = state.results.Reasons.find(path);
        return found != state.results.Reasons.end() ? found->second : "(none)";
    }
};

TEST_F(FailureReasons, ATargetNotMadeCarriesTheErrnoOfTheCallThatFailed) {
    const std::pair<int, const char*> cases[] = {{EACCES, "permission denied"},
                                                 {ENOSPC, "no space left on the drive"},
                                                 {EROFS, "read-only file system"},
                                                 {ENAMETOOLONG, "path too long"},
                                                 {EMLINK, "too many folders in one folder"}};
    std::vector<std::string> names;
    for (const auto& [error, reason] : cases) {
        names.push_back("E" + std::to_string(error));
        faulty.failWith(FsOp::CreateFolder, "f:\\Clients\\" + names.back(), error);
    }
    names.push_back("Fine");
    create(request(PageKind::Strings, names));

    EXPECT_EQ(log.list(ResultList::FoldersCreated), Paths{"f:\\Clients\\Fine"});
    ASSERT_EQ(log.list(ResultList::FoldersOther).size(), std::size(cases));
    for (const auto& [error, reason] : cases) {
        const std::string path = "f:\\Clients\\E" + std::to_string(error);
        EXPECT_EQ(reasonOf(path), reason) << path;
        EXPECT_EQ(log.reasons[path], reason) << path;
    }
    EXPECT_EQ(state.results.Reasons.size(), std::size(cases)); // nothing for what was made
}

TEST_F(FailureReasons, RefusedNamesAndWhatStandsInTheWayAreNamedAndNothingIsWrittenBehindALink) {
    drives.makeFolder("f:\\Clients\\other");
    drives.makeFile("f:\\Clients\\file", "x");
    // A relative link below the destination, where a folder is to be made and where one is to be
    // entered: followed, the run would write f:\Clients\other\b and call it created.
    std::filesystem::create_directory_symlink("other", drives.hostPath("f:\\Clients\\a"));
    std::string deep;
    for (int i = 0; i < 21; ++i)
        deep += std::string(200, 'p') + "\\";
    const std::string longName(256, 'n');
    create(request(PageKind::Strings,
                   {"a|b", "CON", "x.", longName, "file\\x", "a", "a\\b", deep + "end"}));

    const std::pair<std::string, const char*> expected[] = {
        {"f:\\Clients\\a|b", "refused character |"},
        {"f:\\Clients\\CON", "refused device name CON"},
        {"f:\\Clients\\x.", "refused name ending in a dot"},
        {"f:\\Clients\\" + longName, "name longer than 255 bytes"},
        {"f:\\Clients\\file\\x", "a file stands where a folder is needed"},
        {"f:\\Clients\\a", "a link stands here"},
        {"f:\\Clients\\a\\b", "a link stands here"},
        {"f:\\Clients\\" + deep + "end", "path too long"}};
    EXPECT_EQ(log.list(ResultList::FoldersCreated), Paths{});
    EXPECT_EQ(log.list(ResultList::FoldersOther).size(), std::size(expected));
    for (const auto& [path, reason] : expected)
        EXPECT_EQ(reasonOf(path), reason) << path.substr(0, 40);
    EXPECT_EQ(drives.listTree("f:\\Clients\\other"), Paths{});
    EXPECT_EQ(cell(CounterRow::Folders, CounterColumn::Other), std::size(expected));
}

TEST_F(FailureReasons, AReadOnlyAFullAndADriveWithoutFreeInodesEachSayWhy) {
    MountedDrives mounted;
    if (!mounted.mount(drives.hostPath("f:\\ro"), MS_RDONLY, "size=64k") ||
        !mounted.mount(drives.hostPath("f:\\inodes"), 0, "size=1m,nr_inodes=4") ||
        !mounted.mount(drives.hostPath("f:\\full"), 0, "size=4k"))
        GTEST_SKIP() << "mounting a small file system needs CAP_SYS_ADMIN";
    drives.makeFile("g:\\S\\big.bin", std::string(256 * 1024, 'b'));
    prompt.answerEverything(true);

    create(request(PageKind::Strings, {"A"}, "f:\\ro"));
    EXPECT_EQ(reasonOf("f:\\ro\\A"), "read-only file system");

    // The root folder takes one of the four inodes: three folders are made, then none.
    create(request(PageKind::Strings, {"A", "B", "C", "D", "E"}, "f:\\inodes"));
    EXPECT_EQ(state.results.FoldersCreated.size(), 3u);
    EXPECT_EQ(reasonOf("f:\\inodes\\E"), "no free inodes");

    auto r = request(PageKind::Strings, {"A"}, "f:\\full");
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::SubFoldersOnlyWithFiles;
    r.structureLines = {"g:\\S"};
    create(r);
    EXPECT_EQ(reasonOf("f:\\full\\A\\big.bin"), "no space left on the drive");
    EXPECT_EQ(drives.listTree("f:\\full"), Paths{"A\\"}); // nothing half copied stays
}

TEST_F(FailureReasons, SpecialFilesOfAStructureAreNamedWithTheirKindInTheEndWarning) {
    drives.makeFile("f:\\S\\a.txt", "12345");
    ASSERT_EQ(::mkfifo(drives.hostPath("f:\\S\\pipe").c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = drives.hostPath("f:\\S\\sock");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(sock);
    std::vector<std::string> named{"f:\\S\\pipe  (not a regular file or folder (FIFO))",
                                   "f:\\S\\sock  (not a regular file or folder (socket))"};
    // Device nodes where the system lets this process make them (root with CAP_MKNOD).
    if (::mknod(drives.hostPath("f:\\S\\chr").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        named.push_back("f:\\S\\chr  (not a regular file or folder (character device))");
    if (::mknod(drives.hostPath("f:\\S\\blk").c_str(), S_IFBLK | 0600, makedev(7, 0)) == 0)
        named.push_back("f:\\S\\blk  (not a regular file or folder (block device))");
    const double specials = static_cast<double>(named.size());

    auto r = request(PageKind::Strings, {"N"});
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::MainFolderWithFiles;
    r.structureLines = {"f:\\S"};
    prompt.answerEverything(true);
    for (const bool simulated : {true, false}) {
        const std::size_t first = prompt.shown().size();
        if (simulated)
            engine::SimulationRun(r, state, services());
        else
            engine::CreationRun(r, state, services());
        EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{1, 0, specials})) << simulated;
        std::string warnings;
        for (std::size_t i = first; i < prompt.shown().size(); ++i)
            warnings += prompt.shown()[i].text + "\n";
        EXPECT_NE(warnings.find("never copied (counted under other reasons) : " +
                                std::to_string(named.size()) + "\n"),
                  std::string::npos)
            << warnings;
        // The warning names the first few, as every list report does; the results name all.
        std::size_t shown = 0;
        for (const std::string& line : named) {
            shown += warnings.find(line + "\n") != std::string::npos ? 1 : 0;
            const std::string path = line.substr(0, line.find("  ("));
            const std::string cause = line.substr(path.size() + 3, line.size() - path.size() - 4);
            EXPECT_EQ(log.reasons[path], cause) << simulated;
        }
        EXPECT_EQ(shown, std::min<std::size_t>(named.size(), core::ReportListLimit)) << warnings;
    }
    EXPECT_EQ(reasonOf("f:\\S\\pipe"), "not a regular file or folder (FIFO)");
    EXPECT_EQ(drives.listTree("f:\\Clients\\N"), (Paths{"S\\", "S\\a.txt"}));
}

TEST_F(FailureReasons, TheDryRunPredictsAFileTheRunCannotReadWithTheSameCause) {
    drives.makeFile("f:\\S\\a.txt", "12345");
    drives.makeFile("f:\\S\\b.txt", "12");
    drives.makeFile("f:\\S\\Sub\\c.txt", "1");
    // The user may not read a.txt: opening it fails, for the dry run's look and for the copy.
    faulty.failWith(FsOp::OpenToRead, "f:\\S\\a.txt", EACCES);
    faulty.failWith(FsOp::CopyFile, "f:\\S\\a.txt", EACCES);
    auto r = request(PageKind::Strings, {"N", "M"});
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::SubFoldersOnlyWithFiles;
    r.structureLines = {"f:\\S"};

    const BothRuns both = SimulateThenRun(fs(), r);
    ExpectSamePicture(both, "an unreadable structure file");
    EXPECT_EQ(both.real.counters.at(CounterRow::Files, CounterColumn::Created), 4);
    EXPECT_EQ(both.simulated.counters.at(CounterRow::Files, CounterColumn::Other), 2);
    EXPECT_EQ(both.simulated.counters.at(CounterRow::Bytes, CounterColumn::Other), 10);
    EXPECT_EQ(both.simulated.reasons, both.real.reasons);
    EXPECT_EQ(both.real.reasons.at("f:\\Clients\\N\\a.txt"), "permission denied");
    EXPECT_EQ(both.real.reasons.size(), 2u);
}

TEST_F(FailureReasons, TheDryRunOfThePathsPageNamesTheRefusedCharactersAsTheRunDoes) {
    const BothRuns both =
        SimulateThenRun(fs(), request(PageKind::Paths, {"f:\\x?y\\C", "f:\\a<b|c", "f:\\ok"}));
    ExpectSamePicture(both, "refused characters on the paths page");
    EXPECT_EQ(both.simulated.reasons, both.real.reasons);
    EXPECT_EQ(both.real.reasons.at("f:\\a<b|c"), "refused character <");
}

TEST_F(FailureReasons, TheUndoKeepsACopyWhoseSizeChangedThoughItsTimeWasPutBack) {
    drives.makeFile("f:\\S\\a.txt", "12345");
    drives.makeFile("f:\\S\\b.txt", "12");
    auto r = request(PageKind::Strings, {"N"});
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::SubFoldersOnlyWithFiles;
    r.structureLines = {"f:\\S"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), true));
    create(r);
    ASSERT_EQ(state.results.FilesCreated.size(), 2u);

    // The user edits the copy and puts its modification time back as it was.
    const std::string copy = drives.hostPath("f:\\Clients\\N\\a.txt");
    struct stat before;
    ASSERT_EQ(::stat(copy.c_str(), &before), 0);
    drives.makeFile("f:\\Clients\\N\\a.txt", "12345 and more");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, copy.c_str(), times, 0), 0);

    prompt.answerEverything(true);
    ASSERT_TRUE(engine::UndoLastRun(PageKind::Strings, state.results, state.lastAttachMode,
                                    state.lastDestination, fs(), prompt, log));
    EXPECT_EQ(drives.listTree("f:\\Clients"), (Paths{"N\\", "N\\a.txt"}));
    EXPECT_EQ(drives.readText("f:\\Clients\\N\\a.txt"), "12345 and more");
    EXPECT_EQ(state.results.UndoRetry, Paths{"f:\\Clients\\N\\a.txt"});
    EXPECT_EQ(reasonOf("f:\\Clients\\N\\a.txt"), "changed since it was copied");
    EXPECT_EQ(reasonOf("f:\\Clients\\N"), "not empty");
    EXPECT_EQ(log.reasons["f:\\Clients\\N"], "not empty");
}

} // namespace
} // namespace dirforge::testing
