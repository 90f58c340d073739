#pragma once
// Shared set-up of the run tests: temporary drives f: and g:, a scripted prompt, a shell and a
// visual log that record what they were asked, and one page's run state.

#include "engine/CreationRun.h"
#include "engine/PageTexts.h"
#include "engine/RunTitles.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace dirforge::testing {

/// Remembers every folder the run asked to open.
class RecordingShell : public platform::Shell {
public:
    bool openFolder(const std::string& drivePath) override {
        opened.push_back(drivePath);
        return true;
    }
    bool openWebPage(const std::string&) override { return true; }
    std::vector<std::string> opened;
};

/// A visual log that keeps what it was shown.
class RecordingLog : public engine::RunObserver {
public:
    void resetLog(bool realRun) override {
        resets.push_back(realRun);
        for (auto& list : lists)
            list.clear();
        reasons.clear();
    }
    void showLog() override { ++shows; }
    void recorded(engine::ResultList list, const std::string& path) override {
        lists[static_cast<int>(list)].push_back(path);
    }
    void countersChanged(const engine::RunCounters& counters) override {
        last = counters;
        ++counterCalls;
    }
    void failed(const std::string& path, const std::string& reason) override {
        reasons[path] = reason;
    }
    const std::vector<std::string>& list(engine::ResultList which) const {
        return lists[static_cast<int>(which)];
    }

    std::vector<bool> resets;
    int shows = 0;
    int counterCalls = 0;
    engine::RunCounters last;
    std::map<std::string, std::string> reasons;
    std::array<std::vector<std::string>, engine::ResultListCount> lists;
};

class RunFixture : public ::testing::Test {
protected:
    using AttachMode = engine::AttachMode;
    using CopyVariant = engine::CopyVariant;
    using CounterRow = engine::CounterRow;
    using CounterColumn = engine::CounterColumn;
    using PageKind = engine::PageKind;
    using MessageKind = platform::MessageKind;
    using PromptButton = platform::PromptButton;

    engine::RunServices services() { return {fs(), prompt, shell, log}; }
    platform::FileSystem& fs() { return faulty; }

    /// A request of the page with the usual defaults of these tests: Attach Nothing, no explorer.
    engine::RunRequest request(PageKind page, std::vector<std::string> names = {},
                               std::string destination = "f:\\Clients") {
        engine::RunRequest r;
        r.page = page;
        r.names = std::move(names);
        r.destination = std::move(destination);
        r.attachMode = AttachMode::Nothing;
        r.showExplorer = false;
        r.templateOptions = &options;
        return r;
    }

    const engine::RunKindTitles& titles(PageKind page, bool simulate) const {
        const engine::RunTitles& row = engine::TextsFor(page).run;
        return simulate ? row.simulation : row.real;
    }

    /// Scripts the confirmation (answered Yes) of a run.
    void expectQuestion(PageKind page, bool simulate = false) {
        prompt.expect(titles(page, simulate).question, MessageKind::Question, PromptButton::Yes);
    }
    void expectEnd(PageKind page, bool simulate = false) {
        prompt.expect(titles(page, simulate).end, MessageKind::Information);
    }

    /// Runs with the question answered Yes and the closing message expected, nothing in between.
    engine::RunOutcome create(const engine::RunRequest& r) {
        expectQuestion(r.page);
        expectEnd(r.page);
        return engine::CreationRun(r, state, services());
    }
    engine::RunOutcome simulate(const engine::RunRequest& r) {
        expectQuestion(r.page, true);
        expectEnd(r.page, true);
        return engine::SimulationRun(r, state, services());
    }

    double cell(CounterRow row, CounterColumn column) const {
        return state.results.counters.at(row, column);
    }
    /// The Created, Exist and Other cells of one row.
    std::array<double, 3> row(CounterRow which) const {
        return {cell(which, CounterColumn::Created), cell(which, CounterColumn::Exist),
                cell(which, CounterColumn::Other)};
    }

    TempDrives drives;
    FaultInjectingFileSystem faulty{drives.fs()};
    ScriptedPrompt prompt;
    RecordingShell shell;
    RecordingLog log;
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options;
    engine::PageRunState state;
};

using Paths = std::vector<std::string>;

} // namespace dirforge::testing
