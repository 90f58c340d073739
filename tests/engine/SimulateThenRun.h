#pragma once
// One request simulated and then run for real on the same file system, as a user would: the
// page refresh first (the "to create" column), then Simulation, then CREATE. Each run's picture
// is what its visual log showed: the 16 counters, the six lists and the titles of its messages.

#include "RunFixture.h"

#include <array>
#include <string>
#include <vector>

namespace dirforge::testing {

struct RunPicture {
    engine::RunCounters counters;
    std::array<std::vector<std::string>, engine::ResultListCount> lists;
    std::vector<std::string> messageTitles;
    std::map<std::string, std::string> reasons;
};

struct BothRuns {
    RunPicture simulated;
    RunPicture real;
};

inline RunPicture PictureOf(const engine::PageRunState& state, const RecordingLog& log,
                            const ScriptedPrompt& prompt, std::size_t firstMessage) {
    RunPicture picture{state.results.counters, log.lists, {}, log.reasons};
    for (std::size_t i = firstMessage; i < prompt.shown().size(); ++i)
        picture.messageTitles.push_back(prompt.shown()[i].title);
    return picture;
}

inline BothRuns SimulateThenRun(platform::FileSystem& fs, const engine::RunRequest& request) {
    ScriptedPrompt prompt;
    prompt.answerEverything(true);
    RecordingShell shell;
    RecordingLog log;
    engine::PageRunState state;
    const engine::RunServices services{fs, prompt, shell, log};
    engine::PrepareTargetCounts(request, state, services, request.copiesFiles());
    BothRuns both;
    std::size_t first = prompt.shown().size();
    engine::SimulationRun(request, state, services);
    both.simulated = PictureOf(state, log, prompt, first);
    first = prompt.shown().size();
    engine::CreationRun(request, state, services);
    both.real = PictureOf(state, log, prompt, first);
    return both;
}

/// Each row of a run that was carried out: to create = created + already existing + other.
inline void ExpectRowsAddUp(const engine::RunCounters& counters, const std::string& what) {
    using engine::CounterColumn;
    using engine::CounterRow;
    const char* names[] = {"Folders", "Subfolders", "Files", "Bytes"};
    for (int row = 0; row < 4; ++row) {
        const auto r = static_cast<CounterRow>(row);
        EXPECT_EQ(counters.at(r, CounterColumn::ToCreate),
                  counters.at(r, CounterColumn::Created) + counters.at(r, CounterColumn::Exist) +
                      counters.at(r, CounterColumn::Other))
            << names[row] << " row of " << what;
    }
}

/// The dry run told the truth: the same counters and lists as the real run.
inline void ExpectSamePicture(const BothRuns& both, const std::string& what) {
    EXPECT_EQ(both.simulated.counters.cells, both.real.counters.cells) << what;
    const char* names[] = {"created", "subfolders", "files", "exist", "other", "failed undo"};
    for (int list = 0; list < engine::ResultListCount; ++list)
        EXPECT_EQ(both.simulated.lists[list], both.real.lists[list])
            << names[list] << " list of " << what;
    EXPECT_EQ(both.simulated.reasons, both.real.reasons) << "causes of " << what;
}

} // namespace dirforge::testing
