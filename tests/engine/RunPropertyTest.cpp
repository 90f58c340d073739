// A property over many generated inputs on the three pages: on a file system nothing else
// changes, each row of a run adds up (to create = created + already existing + other reasons),
// for the dry run and the real run alike, and for valid input the dry run shows exactly what
// the run then does. The generator is seeded, so a failing case names its seed and repeats.

#include "SimulateThenRun.h"

#include <random>

namespace dirforge::testing {
namespace {

using engine::AttachMode;
using engine::CopyVariant;
using engine::PageKind;

class CaseGenerator {
public:
    explicit CaseGenerator(unsigned seed) : random_(seed) {}

    /// Lays out the drives (what is there before the run) and returns the request.
    engine::RunRequest make(TempDrives& drives, bool& valid) {
        layOut(drives);
        engine::RunRequest r;
        r.page = pick<PageKind>({PageKind::Strings, PageKind::Paths, PageKind::Numbers});
        r.destination = "f:\\Top\\D";
        r.showExplorer = false;
        r.hyphen = chance(2);
        r.prefix = pick<std::string>({"", "", "P", "COM"});
        r.suffix = pick<std::string>({"", "", "S"});
        valid = true;
        fillNames(r, valid);
        r.attachMode = pick<AttachMode>(
            {AttachMode::Nothing, AttachMode::Existing, AttachMode::TextTemplates});
        r.copyVariant = pick<CopyVariant>(
            {CopyVariant::MainFolderWithoutFiles, CopyVariant::SubFoldersOnlyWithoutFiles,
             CopyVariant::MainFolderWithFiles, CopyVariant::SubFoldersOnlyWithFiles});
        if (r.attachMode == AttachMode::Existing)
            r.structureLines = some({"f:\\S1", "g:\\S2", "f:\\Top", "f:\\Gone", "f:\\S1"}, 1, 3);
        else if (r.attachMode == AttachMode::TextTemplates)
            r.structureLines = some({"\\T", "\\T", "\\T\\U", "\\A", "\\Single", "\\F"}, 1, 4);
        const std::uint8_t dropFirst = chance(3) ? 1 : 0;
        options_[engine::TemplateOptionsKey(engine::PageKind::Strings)] =
            options_[engine::TemplateOptionsKey(engine::PageKind::Paths)] =
                options_[engine::TemplateOptionsKey(engine::PageKind::Numbers)] =
                    engine::_tagFoldersTemplateOptions{static_cast<std::uint8_t>(1 - dropFirst), 0,
                                                       "", dropFirst, 0};
        r.templateOptions = &options_;
        return r;
    }

private:
    void layOut(TempDrives& drives) {
        drives.makeFolder("f:\\Top\\D");
        drives.makeFolder("g:\\P");
        for (const std::string& folder :
             some({"f:\\Top\\D\\A", "f:\\Top\\D\\2", "g:\\P\\B", "f:\\Top\\D\\A\\T"}, 0, 2))
            drives.makeFolder(folder);
        for (const std::string& file :
             some({"f:\\Top\\D\\F", "f:\\Top\\D\\3", "g:\\P\\F", "f:\\Top\\D\\P-F-S"}, 0, 2))
            drives.makeFile(file, "in the way");
        // Structures: small trees with files, one of them around the destination.
        drives.makeFile("f:\\S1\\a.txt", "12345");
        drives.makeFile("f:\\S1\\Docs\\b.txt", "123");
        drives.makeFolder("f:\\S1\\Docs\\Old");
        drives.makeFile("g:\\S2\\Docs\\c.txt", "1");
        drives.makeFolder("g:\\S2\\T");
        if (chance(2))
            drives.makeFile("g:\\S2\\F", "a file named like a folder of the other structure");
        drives.makeFile("f:\\Top\\top.txt", "1234567");
    }

    void fillNames(engine::RunRequest& r, bool& valid) {
        switch (r.page) {
        case PageKind::Strings:
            r.names = some({"A", "A", "a", "B\\C", "B/C", "\\sub", "C", "F", "F\\G", "D\\E", "E",
                            "a*b", "CON"},
                           1, 8);
            for (const std::string& name : r.names)
                valid = valid && name != "a*b" && name != "CON";
            break;
        case PageKind::Paths:
            r.names = some({"f:\\Top\\D\\A", "g:\\P\\B", "g:\\P\\B", "G:\\P\\B", "g:\\P\\F\\X",
                            "f:\\Top\\D\\N\\M", "g:\\New\\Q", "f:\\Top\\D\\F"},
                           1, 6);
            break;
        case PageKind::Numbers: {
            const int start = static_cast<int>(random_() % 4);
            const int end = start + static_cast<int>(random_() % 6);
            r.numbers = {start,     end,      std::to_string(start), std::to_string(end),
                         chance(2), chance(2)};
            break;
        }
        }
    }

    bool chance(unsigned in) { return random_() % in == 0; }

    template <typename T> T pick(std::initializer_list<T> choices) {
        return *(choices.begin() + random_() % choices.size());
    }

    std::vector<std::string> some(std::initializer_list<const char*> pool, unsigned least,
                                  unsigned most) {
        std::vector<std::string> chosen;
        const unsigned count = least + static_cast<unsigned>(random_() % (most - least + 1));
        for (unsigned i = 0; i < count; ++i)
            chosen.emplace_back(*(pool.begin() + random_() % pool.size()));
        return chosen;
    }

    std::mt19937 random_;
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options_;
};

TEST(RunPropertyTest, RowsAddUpAndTheSimulationShowsTheRun) {
    constexpr unsigned kCases = 60;
    for (unsigned seed = 1; seed <= kCases; ++seed) {
        TempDrives drives;
        CaseGenerator generator(seed);
        bool valid = true;
        const engine::RunRequest request = generator.make(drives, valid);
        const BothRuns both = SimulateThenRun(drives.fs(), request);
        const std::string what = "seed " + std::to_string(seed);
        ExpectRowsAddUp(both.simulated.counters, what + " (simulated)");
        ExpectRowsAddUp(both.real.counters, what);
        if (valid)
            ExpectSamePicture(both, what);
        if (::testing::Test::HasFailure())
            break; // one failing seed tells the story
    }
}

} // namespace
} // namespace dirforge::testing
