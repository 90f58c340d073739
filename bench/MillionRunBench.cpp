// A million names: the engine's run of 1 000 000 names against its run of 100 000 on the same
// drive (linear growth gives 10), and the peak memory of the strings page's run of 1 000 000
// names with the visual log, measured in a process of its own (million/MillionPageRun.cpp).

#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchSeams.h"

#include "engine/CreationRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace dirforge;

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    char buffer[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "Client%07d", i);
        names.emplace_back(buffer);
    }
    return names;
}

double EngineRunSeconds(bench::BenchDrive& drive, int count, const std::string& destination) {
    bench::YesPrompt prompt;
    bench::QuietShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{drive.fs(), prompt, shell, quiet};
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    request.names = Names(count);
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    request.showVisualLog = false;
    engine::PageRunState state;
    return bench::secondsOf([&] { engine::CreationRun(request, state, services); });
}

/// A plain loop of mkdirat relative to an open handle of a fresh folder: the drive's own growth.
double PlainMkdirSeconds(bench::BenchDrive& drive, const std::vector<std::string>& names,
                         const std::string& folder) {
    const std::string host = drive.root() + "/" + folder;
    ::mkdir(host.c_str(), 0777);
    const int fd = ::open(host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const double seconds = bench::secondsOf([&] {
        for (const std::string& name : names)
            ::mkdirat(fd, name.c_str(), 0777);
    });
    ::close(fd);
    return seconds;
}

/// Runs the page's million-name run in its own process and passes its lines on.
void PageRunInChild(bench::BenchReport& report, const std::string& folder) {
#ifdef DIRFORGE_MILLION_PAGE_RUN
    const std::string command = std::string("'") + DIRFORGE_MILLION_PAGE_RUN + "' '" + folder + "'";
    FILE* child = ::popen(command.c_str(), "r");
    if (child == nullptr) {
        report.note("run_1m_peak_rss_mb", "skipped (the page run could not be started)");
        return;
    }
    char line[256];
    double peak = -1;
    long long created = -1;
    while (std::fgets(line, sizeof line, child) != nullptr) {
        std::fputs(line, stdout);
        const std::string text(line);
        if (text.rfind("million_page_peak_rss_mb: ", 0) == 0)
            peak = std::strtod(line + 26, nullptr);
        if (text.rfind("million_page_created: ", 0) == 0)
            created = std::strtoll(line + 22, nullptr, 10);
    }
    const int status = ::pclose(child);
    // A run that made fewer folders than it was given (a full drive) does not count.
    if (status != 0 || peak < 0 || created != 1000000)
        report.note("run_1m_peak_rss_mb", "failed (the page run did not complete)");
    else
        report.value("run_1m_peak_rss_mb", peak);
#else
    (void)folder;
    report.note("run_1m_peak_rss_mb", "skipped (built without the page run)");
#endif
}

} // namespace

DIRFORGE_BENCH(run_1m) {
    bench::BenchDrive drive("million");
    if (!drive.ready())
        return;
    // The small run twice (first and last, best kept), so a drive that warms up or fills up
    // does not favour either side.
    // Each stage's folders are removed after it: a memory drive holds a few million inodes, and
    // the stages together would need more than three million.
    const auto removed = [&](double seconds, const char* folder) {
        std::error_code ignored;
        std::filesystem::remove_all(drive.root() + "/" + folder, ignored);
        return seconds;
    };
    double small = removed(EngineRunSeconds(drive, 100000, "f:\\Small0"), "Small0");
    const double large = removed(EngineRunSeconds(drive, 1000000, "f:\\Large"), "Large");
    small = std::min(small, removed(EngineRunSeconds(drive, 100000, "f:\\Small1"), "Small1"));
    report.value("run_1m_engine_100k_seconds", small);
    report.value("run_1m_engine_seconds", large);
    report.value("run_1m_scaling_ratio", large / small);
    // The same growth of a bare mkdirat loop on the same drive: what the drive itself adds.
    const std::vector<std::string> few = Names(100000), many = Names(1000000);
    double plainSmall = removed(PlainMkdirSeconds(drive, few, "PlainSmall0"), "PlainSmall0");
    const double plainLarge = removed(PlainMkdirSeconds(drive, many, "PlainLarge"), "PlainLarge");
    plainSmall =
        std::min(plainSmall, removed(PlainMkdirSeconds(drive, few, "PlainSmall1"), "PlainSmall1"));
    report.value("run_1m_plain_scaling_ratio", plainLarge / plainSmall);
    report.value("run_1m_scaling_floor_ratio", (large / small) / (plainLarge / plainSmall));
    PageRunInChild(report, drive.root() + "/page");
}
