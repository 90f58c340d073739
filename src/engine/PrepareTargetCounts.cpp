// The "to create" column of a page, and the free-space check before a run that copies files.

#include "engine/CreationRun.h"
#include "engine/IncreasedNumbers.h"
#include "engine/PageTexts.h"
#include "engine/ResultRecording.h"
#include "engine/RunEngine.h"
#include "engine/StructureScan.h"

namespace dirforge::engine {

namespace {

double NameCount(const RunRequest& request) {
    if (request.page == PageKind::Numbers)
        return static_cast<double>(
            CountOfNumbers(request.numbers.startNumber, request.numbers.endNumber));
    return static_cast<double>(request.nameList().size());
}

void SetToCreate(RunCounters& counters, double names, const StructureTotals& perName) {
    counters.at(CounterRow::Folders, CounterColumn::ToCreate) = names;
    counters.at(CounterRow::Subfolders, CounterColumn::ToCreate) = names * perName.subfolders;
    counters.at(CounterRow::Files, CounterColumn::ToCreate) = names * perName.files;
    counters.at(CounterRow::Bytes, CounterColumn::ToCreate) =
        names * static_cast<double>(perName.bytes);
}

} // namespace

std::vector<std::string> DrivePathsOf(const RunRequest& request) {
    if (request.page == PageKind::Paths)
        return request.nameList();
    return {request.destination};
}

StructureTotals TotalsPerName(const RunRequest& request, const StructureTotals& scanned) {
    switch (request.effectiveMode()) {
    case AttachMode::Existing:
        return scanned;
    case AttachMode::TextTemplates:
        return StructureTotals{static_cast<std::uint32_t>(request.structureLines.size()), 0, 0};
    case AttachMode::Nothing:
        break;
    }
    return StructureTotals{};
}

bool PrepareTargetCounts(const RunRequest& request, PageRunState& state,
                         const RunServices& services, bool withFiles) {
    RunResults& results = state.results;
    const RecordSink sink{results, services.observer, false};
    const double names = NameCount(request);
    if (request.effectiveMode() == AttachMode::TextTemplates) {
        SetToCreate(results.counters, names, TotalsPerName(request, state.totals));
        RefreshLogCounters(sink);
        return true;
    }
    ComputeStructureTotals(services.fs, request.structureLines, request.copyVariant, withFiles,
                           state.totals, state.fileSizes, nullptr, &state.snapshot);
    if (names == 0)
        return false;
    std::string message = MissingDriveMessage(services.fs, DrivePathsOf(request));
    if (!message.empty()) {
        services.prompt.warn(message, TextsFor(request.page).run.driveMissing);
        return false;
    }
    const bool room =
        request.page == PageKind::Paths
            ? CheckFreeSpacePerDrive(services.fs, request.nameList(), state.totals, message)
            : CheckFreeSpace(services.fs, request.destination, static_cast<std::size_t>(names),
                             state.totals, message);
    if (!room) {
        services.prompt.warn(message, TextsFor(request.page).run.notEnoughSpace);
        return false;
    }
    SetToCreate(results.counters, names, state.totals);
    RefreshLogCounters(sink);
    return true;
}

RunOutcome CreationRun(const RunRequest& request, PageRunState& state,
                       const RunServices& services) {
    return RunEngine(request, state, services, false).run();
}

RunOutcome SimulationRun(const RunRequest& request, PageRunState& state,
                         const RunServices& services) {
    return RunEngine(request, state, services, true).run();
}

} // namespace dirforge::engine
