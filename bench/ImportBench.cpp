// Smart import of a long file: read it as a separated file (one column), build the preview
// (trimmed, each once ignoring case) and take it into an alphabetical INCLUDE list, as the
// import window and the strings page do. Also how the cost grows from 10 000 to 100 000 lines.
#include "BenchDrive.h"
#include "BenchRegistry.h"

#include "core/TextRules.h"
#include "lists/ImportClass.h"
#include "lists/ListEditRules.h"
#include "platform/HostFileSystem.h"
#include "ui/common/NameListModel.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kRounds = 5;

/// Lines like `"Client 004711 Smith", Berlin, 4711`: quoted names in mixed order.
std::string sourceText(int lines) {
    std::string text;
    char line[96];
    for (int i = 0; i < lines; ++i) {
        const int n = (i * 7919) % lines; // scattered, so the alphabetical merge has work to do
        std::snprintf(line, sizeof line, "\"Client %06d %s\", City%03d, %d\r\n", n,
                      (n % 2) ? "Smith" : "jones", n % 997, n);
        text += line;
    }
    return text;
}

struct Timing {
    double wall = 1e9;
    double cpu = 1e9; ///< process CPU time: what the work costs even when the machine is busy
};

/// One import of the file at path.
Timing importSeconds(dirforge::platform::HostFileSystem& fs, const std::string& path) {
    using namespace dirforge;
    ui::NameListModel preview(core::NameList::Order::Insertion);
    ui::NameListModel include(core::NameList::Order::Alphabetical);
    const std::clock_t cpuStart = std::clock();
    const double seconds = bench::secondsOf([&] {
        lists::ImportClass reader(fs, path, lists::ReadingMode::OneColumn, ",", "\"", true);
        reader.SetColumn(1);
        reader.Read();
        preview.addMany(lists::PreviewValues(reader.takeResults()));
        std::vector<std::string> taken;
        taken.reserve(preview.entries().size());
        for (const auto& entry : preview.entries())
            taken.push_back(core::NormalizePath(entry));
        include.addMany(taken);
    });
    if (include.size() == 0)
        std::printf("import bench: nothing imported from %s\n", path.c_str());
    return {seconds, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

} // namespace

DIRFORGE_BENCH(import_bench) {
    namespace fsys = std::filesystem;
    dirforge::bench::BenchDrive drive("import");
    if (!drive.ready())
        return;
    const fsys::path folder = drive.root();
    dirforge::platform::HostFileSystem& fs = drive.fs();

    std::ofstream(folder / "small.csv", std::ios::binary) << sourceText(10000);
    std::ofstream(folder / "large.csv", std::ios::binary) << sourceText(100000);
    // Best of several rounds, small and large taken in turn so a busy machine slows both alike.
    Timing small;
    Timing large;
    for (int round = 0; round < kRounds; ++round) {
        const Timing s = importSeconds(fs, "f:\\small.csv");
        const Timing l = importSeconds(fs, "f:\\large.csv");
        small = {std::min(small.wall, s.wall), std::min(small.cpu, s.cpu)};
        large = {std::min(large.wall, l.wall), std::min(large.cpu, l.cpu)};
    }

    report.value("import_10k_s", small.wall);
    report.value("import_100k_s", large.wall);
    report.value("import_scaling_ratio", large.wall / small.wall);
    report.value("import_100k_cpu_s", large.cpu);
    report.value("import_scaling_cpu_ratio", large.cpu / small.cpu);
}
