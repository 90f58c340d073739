// latencyfs: a FUSE pass-through to a local folder that waits a fixed time before serving each
// request, as a network share does for every round trip. Nothing is cached: names, attributes
// and missing names are valid for zero seconds, so the kernel asks again every time, as it does
// on a share whose cache is cold.
//
//   latencyfs [--delay-us=N] [--stats=FILE] [--debug] BACKING MOUNTPOINT
//
// Every node holds an O_PATH handle of its backing entry; everything is done relative to those
// handles with the *at() calls, so no path is ever walked twice on the backing side. With
// --stats, the requests served are counted per kind in FILE (see LatencyCalls.h). It runs in the
// foreground until unmounted or sent SIGTERM/SIGINT/SIGHUP.

#include "LatencyCalls.h"
#include "LatencyNodes.h"
#include "LatencyOperations.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace {

using dirforge::latencyfs::NodeTable;

std::uint64_t* gCounters = nullptr; // mapped statistics file, or null

struct Settings {
    long delayMicroseconds = 1000;
    std::string statsFile;
    bool debug = false;
    std::string backing;
    std::string mountPoint;
};

bool ParseArguments(int argc, char** argv, Settings& settings) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--delay-us=", 0) == 0) {
            char* end = nullptr;
            settings.delayMicroseconds = std::strtol(argument.c_str() + 11, &end, 10);
            if (*end != '\0' || settings.delayMicroseconds < 0)
                return false;
        } else if (argument.rfind("--stats=", 0) == 0) {
            settings.statsFile = argument.substr(8);
        } else if (argument == "--debug") {
            settings.debug = true;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2)
        return false;
    settings.backing = positional[0];
    settings.mountPoint = positional[1];
    return true;
}

/// Maps the statistics file (zeroed) so the counters are visible to readers while serving.
bool MapStatistics(const std::string& path) {
    using dirforge::latencyfs::kStatsBytes;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::ftruncate(fd, kStatsBytes) != 0) {
        std::perror(path.c_str());
        return false;
    }
    void* mapped = ::mmap(nullptr, kStatsBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) {
        std::perror(path.c_str());
        return false;
    }
    gCounters = static_cast<std::uint64_t*>(mapped);
    return true;
}

int Serve(const Settings& settings, NodeTable& nodes) {
    std::vector<std::string> options{"latencyfs", "-o", "fsname=latencyfs,subtype=latencyfs"};
    if (settings.debug)
        options.push_back("-d");
    std::vector<char*> pointers;
    for (auto& option : options)
        pointers.push_back(option.data());
    fuse_args args = FUSE_ARGS_INIT(static_cast<int>(pointers.size()), pointers.data());
    const fuse_lowlevel_ops ops =
        dirforge::latencyfs::Operations(nodes, gCounters, settings.delayMicroseconds);
    fuse_session* session = fuse_session_new(&args, &ops, sizeof ops, nullptr);
    if (session == nullptr)
        return 1;
    int result = 1;
    if (fuse_set_signal_handlers(session) == 0) {
        if (fuse_session_mount(session, settings.mountPoint.c_str()) == 0) {
            fuse_loop_config* loop = fuse_loop_cfg_create();
            result = fuse_session_loop_mt(session, loop) == 0 ? 0 : 1;
            fuse_loop_cfg_destroy(loop);
            fuse_session_unmount(session);
        }
        fuse_remove_signal_handlers(session);
    }
    fuse_session_destroy(session);
    fuse_opt_free_args(&args);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (!ParseArguments(argc, argv, settings)) {
        std::fprintf(
            stderr,
            "usage: latencyfs [--delay-us=N] [--stats=FILE] [--debug] BACKING MOUNTPOINT\n");
        return 2;
    }
    ::prctl(PR_SET_TIMERSLACK, 1UL); // the delay as asked, not rounded up by the timer slack
    if (!settings.statsFile.empty() && !MapStatistics(settings.statsFile))
        return 1;
    NodeTable nodes(settings.backing);
    if (!nodes.ready()) {
        std::perror(settings.backing.c_str());
        return 1;
    }
    return Serve(settings, nodes);
}
