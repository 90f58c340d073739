#include "LatencyMount.h"

#include "BenchDrive.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace dirforge::bench {

namespace {

using namespace std::chrono_literals;

/// True while something other than the folder itself is mounted on path (a FUSE mount whose
/// server has gone answers "not connected" and counts as mounted too).
bool MountedOn(const std::string& path, const std::string& parent) {
    struct stat inner, outer;
    if (::stat(parent.c_str(), &outer) != 0)
        return false;
    if (::stat(path.c_str(), &inner) != 0)
        return errno == ENOTCONN;
    return inner.st_dev != outer.st_dev;
}

/// Waits up to `limit` for the child to end; true when it has (and has been reaped).
bool Reaped(pid_t child, std::chrono::milliseconds limit, int* status = nullptr) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int ignored = 0;
    for (;;) {
        const pid_t got = ::waitpid(child, status != nullptr ? status : &ignored, WNOHANG);
        if (got == child || (got < 0 && errno == ECHILD))
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(5ms);
    }
}

std::string FirstLineOf(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

LatencyMount::LatencyMount(long delayMicroseconds) {
#ifndef DIRFORGE_LATENCYFS
    (void)delayMicroseconds;
    whyNot_ = "built without libfuse3";
#else
    const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fuse < 0) {
        whyNot_ = std::string("/dev/fuse not usable: ") + std::strerror(errno);
        return;
    }
    ::close(fuse);
    std::string pattern = (BenchBase() / "dirforge-latency-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        whyNot_ = "cannot make a folder under " + BenchBase().string();
        return;
    }
    base_ = pattern;
    backing_ = base_ + "/backing";
    mountPoint_ = base_ + "/mnt";
    statsFile_ = base_ + "/calls";
    logFile_ = base_ + "/latencyfs.log";
    ::mkdir(backing_.c_str(), 0755);
    ::mkdir(mountPoint_.c_str(), 0755);
    serving_ = start(delayMicroseconds) && waitForMount();
    if (!serving_)
        stop();
#endif
}

LatencyMount::~LatencyMount() {
    stop();
}

bool LatencyMount::start(long delayMicroseconds) {
#ifdef DIRFORGE_LATENCYFS
    const std::string delay = "--delay-us=" + std::to_string(delayMicroseconds);
    const std::string stats = "--stats=" + statsFile_;
    const pid_t parent = ::getpid();
    server_ = ::fork();
    if (server_ < 0) {
        whyNot_ = std::string("cannot start latencyfs: ") + std::strerror(errno);
        return false;
    }
    if (server_ == 0) {
        // Its own process group keeps a Ctrl-C away from it; the kernel tells it when we end.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        const int log = ::open(logFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            ::dup2(log, STDOUT_FILENO);
            ::dup2(log, STDERR_FILENO);
        }
        ::execl(DIRFORGE_LATENCYFS, "latencyfs", delay.c_str(), stats.c_str(), backing_.c_str(),
                mountPoint_.c_str(), static_cast<char*>(nullptr));
        std::fprintf(stderr, "cannot run %s: %s\n", DIRFORGE_LATENCYFS, std::strerror(errno));
        ::_exit(127);
    }
    return true;
#else
    (void)delayMicroseconds;
    return false;
#endif
}

bool LatencyMount::waitForMount() {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
        if (MountedOn(mountPoint_, base_))
            return true;
        int status = 0;
        if (::waitpid(server_, &status, WNOHANG) == server_) {
            server_ = -1;
            const std::string said = FirstLineOf(logFile_);
            whyNot_ =
                "mount failed: " +
                (said.empty() ? "latencyfs ended with status " + std::to_string(status) : said);
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    whyNot_ = "mount failed: latencyfs did not mount within 10 s";
    return false;
}

void LatencyMount::stop() {
    serving_ = false;
    if (server_ > 0) {
        // latencyfs unmounts itself on SIGTERM; a server that does not is taken down by force.
        ::kill(server_, SIGTERM);
        if (!Reaped(server_, 10s)) {
            ::umount2(mountPoint_.c_str(), MNT_DETACH);
            ::kill(server_, SIGKILL);
            Reaped(server_, 10s);
        }
        server_ = -1;
    }
    if (base_.empty())
        return;
    if (MountedOn(mountPoint_, base_))
        ::umount2(mountPoint_.c_str(), MNT_DETACH);
    if (MountedOn(mountPoint_, base_)) {
        std::fprintf(stderr, "latency: %s is still mounted; left in place\n", mountPoint_.c_str());
        return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
    base_.clear();
}

LatencyCalls LatencyMount::calls() const {
    LatencyCalls counts{};
    std::ifstream in(statsFile_, std::ios::binary);
    in.read(reinterpret_cast<char*>(counts.data()),
            static_cast<std::streamsize>(latencyfs::kStatsBytes));
    return counts;
}

LatencyCalls LatencyMount::settledCalls() const {
    LatencyCalls last = calls();
    for (int quiet = 0, rounds = 0; quiet < 5 && rounds < 200; ++rounds) {
        std::this_thread::sleep_for(10ms);
        const LatencyCalls now = calls();
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
    return last;
}

} // namespace dirforge::bench
