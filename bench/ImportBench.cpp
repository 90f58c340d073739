// Smart import of a long file: read it as a separated file (one column), build the preview
// (trimmed, each once ignoring case) and take it into an alphabetical INCLUDE list, as the
// import window and the strings page do. Also how the cost grows from 10 000 to 100 000 lines,
// and a million lines sorted in a named language against sort(1) under the same locale.
#include "BenchDrive.h"
#include "BenchRegistry.h"

#include "core/TextRules.h"
#include "lists/ComposedForm.h"
#include "lists/ImportClass.h"
#include "lists/ListEditRules.h"
#include "platform/HostFileSystem.h"
#include "ui/common/NameListModel.h"

#include <QLocale>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <locale.h>
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

/// A million lines of names from several languages, some spelled as a decomposed accent, the
/// first column quoted; names holds what the import takes from each line, in file order.
std::string millionText(std::vector<std::string>& names) {
    static const char* const kSurnames[] = {"Smith",
                                            "jones",
                                            "M\xC3\xBCller",
                                            "\xC3\x89vian",
                                            "\xC3\x98"
                                            "degaard",
                                            "Cafe\xCC\x81",
                                            "\xC5\xA0imek",
                                            "Zo\xC3\xAB",
                                            "o'Brien"};
    constexpr int kLines = 1000000;
    std::string text;
    text.reserve(std::size_t{kLines} * 40);
    char line[128];
    for (int i = 0; i < kLines; ++i) {
        const int n = static_cast<int>((i * 7919LL) % kLines);
        const char* surname = kSurnames[n % (sizeof kSurnames / sizeof *kSurnames)];
        const int written = std::snprintf(line, sizeof line, "%s %06d", surname, n);
        names.emplace_back(line, static_cast<std::size_t>(written));
        text += '"';
        text += names.back();
        std::snprintf(line, sizeof line, "\", City%03d, %d\n", n % 997, n);
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

/// The locale both benchmarks sort in: DIRFORGE_BENCH_LOCALE, else en_US.UTF-8.
std::string benchLocale() {
    const char* name = std::getenv("DIRFORGE_BENCH_LOCALE");
    return name ? name : "en_US.UTF-8";
}

/// The INCLUDE list sorts in the bench locale's language while this lives.
class LanguageOfTheList {
public:
    explicit LanguageOfTheList(const std::string& locale) {
        QLocale::setDefault(QLocale(QString::fromStdString(locale.substr(0, locale.find('.')))));
    }
    ~LanguageOfTheList() { QLocale::setDefault(before_); }
    LanguageOfTheList(const LanguageOfTheList&) = delete;
    LanguageOfTheList& operator=(const LanguageOfTheList&) = delete;

private:
    QLocale before_;
};

/// The composed form sort(1) compares, as the import composes every name it takes.
std::string composedLines(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += dirforge::lists::ComposedForm(name);
        text += '\n';
    }
    return text;
}

} // namespace

DIRFORGE_BENCH(import_1m) {
    namespace fsys = std::filesystem;
    const std::string locale = benchLocale();
    if (locale_t probe = newlocale(LC_ALL_MASK, locale.c_str(), nullptr)) {
        freelocale(probe);
    } else {
        report.note("import_1m", "skipped: locale " + locale + " is not installed");
        return;
    }
    dirforge::bench::BenchDrive drive("import1m");
    if (!drive.ready())
        return;
    const fsys::path folder = drive.root();
    std::vector<std::string> names;
    std::ofstream(folder / "million.csv", std::ios::binary) << millionText(names);
    std::ofstream(folder / "names.txt", std::ios::binary) << composedLines(names);
    names = {};
    const std::string sortCommand =
        "LC_ALL=" + locale + " sort -u '" + (folder / "names.txt").string() + "' > /dev/null";
    const LanguageOfTheList language(locale);
    double import = 1e9;
    double sorted = 1e9;
    for (int round = 0; round < 2; ++round) {
        import = std::min(import, importSeconds(drive.fs(), "f:\\million.csv").wall);
        sorted = std::min(sorted, dirforge::bench::secondsOf([&] {
                              if (std::system(sortCommand.c_str()) != 0)
                                  std::printf("import_1m: sort failed\n");
                          }));
    }
    report.value("import_1m_s", import);
    report.value("import_1m_sort_s", sorted);
    report.value("import_1m_sort_ratio", import / sorted);
}

DIRFORGE_BENCH(import_bench) {
    namespace fsys = std::filesystem;
    dirforge::bench::BenchDrive drive("import");
    if (!drive.ready())
        return;
    const fsys::path folder = drive.root();
    dirforge::platform::HostFileSystem& fs = drive.fs();
    const LanguageOfTheList language(benchLocale());

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
