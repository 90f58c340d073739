#include "cli/BatchCommand.h"

#include "cli/BatchReport.h"
#include "cli/BatchRequest.h"
#include "cli/CommandLine.h"
#include "cli/LogCollector.h"
#include "cli/PathArguments.h"
#include "cli/RunJournal.h"
#include "cli/SilentShell.h"
#include "cli/TerminalPrompt.h"
#include "engine/CreationRun.h"
#include "engine/FolderFileUndo.h"
#include "engine/StructureScan.h"
#include "platform/HostFileSystem.h"

#include <filesystem>

namespace dirforge::cli {

namespace {

/// The drive letters of DIRFORGE_DRIVES and --drive.
platform::DriveMap DrivesOf(const BatchOptions& options) {
    std::string error;
    platform::DriveMap drives = platform::DriveMap::fromEnvironment(&error);
    if (!error.empty())
        throw UsageError(error);
    for (const std::string& mapping : options.driveMappings)
        if (!drives.addMappings(mapping, &error))
            throw UsageError("--drive: " + error);
    return drives;
}

/// Everything a command works with.
struct Session {
    const BatchOptions& options;
    std::ostream& out;
    std::ostream& err;
    platform::HostFileSystem fs;
    PathArguments paths;
    TerminalPrompt prompt;
    SilentShell shell;
    LogCollector log;

    Session(const BatchOptions& batchOptions, std::ostream& output, std::ostream& errors)
        : options(batchOptions), out(output), err(errors), fs(DrivesOf(batchOptions)),
          paths(fs.drives(), std::filesystem::current_path().string()), prompt(errors) {}

    void report(const engine::RunCounters& counters, const ResultLists& lists) {
        if (options.json)
            out << JsonReport(counters, lists, prompt.messages());
        else
            PrintSummary(out, counters, lists);
    }

    /// The journal file in drive form; for writing, its folder must exist before anything runs.
    std::string journalPath(bool forWriting) {
        const std::string path = DriveArgument(paths, options.journal, "--journal");
        if (forWriting && (fs.folderExists(path) || !fs.folderExists(engine::ParentFolder(path))))
            throw UsageError("--journal: " + path + " cannot be written (its folder must exist and it must not be one)");
        return path;
    }

    /// Writes the journal atomically; false (explained on err) when it could not be written.
    bool writeJournal(const std::string& path, RunJournal& journal) {
        journal.drives.clear();
        RecordDrives(journal, fs.drives());
        if (fs.writeFileAtomic(path, JournalToJson(journal)))
            return true;
        err << "dirforge-cli: the undo journal " << path << " could not be written\n";
        return false;
    }
};

int RunCreation(Session& session) {
    const BatchOptions& options = session.options;
    const bool writesJournal = !options.simulate && !options.journal.empty();
    const std::string journalPath = writesJournal ? session.journalPath(true) : std::string();

    engine::MAP_FOLDER_TEMPLATE_OPTIONS templateOptions;
    const engine::RunRequest request = BuildRunRequest(options, session.fs, session.paths, templateOptions);
    engine::PageRunState state;
    const engine::RunServices services{session.fs, session.prompt, session.shell, session.log};
    // The page refresh before the button is pressed: "to create" counters and structure totals.
    // A run that copies files makes this check itself, and a run whose drive is not there is
    // refused by the run with the one message that says so.
    if (!request.copiesFiles() &&
        engine::MissingDriveMessage(session.fs, engine::DrivePathsOf(request)).empty())
        engine::PrepareTargetCounts(request, state, services, false);

    const engine::RunOutcome outcome = options.simulate ? engine::SimulationRun(request, state, services)
                                                        : engine::CreationRun(request, state, services);
    if (outcome.end == engine::RunEnd::Refused) {
        if (options.json)
            session.report(state.results.counters, session.log.lists());
        return ExitRefused;
    }
    // The lists the visual log was shown, for a simulation (which journals nothing) and a real run
    // alike, so the two reports compare line by line.
    session.report(state.results.counters, session.log.lists());
    if (!writesJournal)
        return ExitCompleted;
    RunJournal journal{request.page, state.lastAttachMode, state.lastDestination, std::move(state.results), {}};
    return session.writeJournal(journalPath, journal) ? ExitCompleted : ExitJournalFailed;
}

/// Maps each letter the journal uses to the folder it stood for; refuses a letter now mapped elsewhere.
void RestoreJournalDrives(const RunJournal& journal, platform::DriveMap& drives) {
    for (const auto& [letter, folder] : journal.drives) {
        const auto current = drives.rootOf(letter);
        if (!current)
            drives.map(letter, folder);
        else if (*current != folder)
            throw UsageError(std::string("drive ") + letter + ": is " + *current + " here but was " + folder +
                             " when the journal was written; map it the same way (--drive " + letter + "=" +
                             folder + ")");
    }
}

int RunUndo(Session& session) {
    const std::string path = session.journalPath(false);
    const auto text = session.fs.readFile(path);
    if (!text)
        throw UsageError("--journal: " + path + " cannot be read");
    std::string error;
    std::optional<RunJournal> journal = JournalFromJson(*text, error);
    if (!journal)
        throw UsageError("--journal: " + path + " is " + error);
    RestoreJournalDrives(*journal, session.fs.drives());

    engine::RunResults& results = journal->results;
    if (!engine::UndoLastRun(journal->page, results, journal->lastAttachMode, journal->lastDestination, session.fs,
                             session.prompt, session.log)) {
        if (session.options.json)
            session.report(results.counters, ListsOf(results));
        return ExitRefused;
    }
    session.report(results.counters, ListsOf(results));
    // What is left is only what failed, so the next undo retries exactly that.
    return session.writeJournal(path, *journal) ? ExitCompleted : ExitJournalFailed;
}

} // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    try {
        Session session(options, out, err);
        return options.command == Command::Undo ? RunUndo(session) : RunCreation(session);
    } catch (const UsageError& e) {
        err << "dirforge-cli: " << e.what() << '\n';
        return ExitUsage;
    } catch (const std::filesystem::filesystem_error& e) {
        // Only the current folder is asked before anything runs: nothing has been done yet.
        err << "dirforge-cli: " << e.what() << '\n';
        return ExitUsage;
    }
}

int BatchMain(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    BatchOptions options;
    if (const auto status = ParseCommandLine(argc, argv, options, out, err))
        return *status;
    return RunBatch(options, out, err);
}

} // namespace dirforge::cli
