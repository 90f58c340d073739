#include "cli/BatchCommand.h"

#include "cli/BatchReport.h"
#include "cli/BatchRequest.h"
#include "cli/BatchWatch.h"
#include "cli/CommandLine.h"
#include "cli/InputFiles.h"
#include "cli/LogCollector.h"
#include "cli/PathArguments.h"
#include "cli/ProfileOptions.h"
#include "cli/SilentShell.h"
#include "cli/TerminalPrompt.h"
#include "engine/CreationRun.h"
#include "engine/FolderFileUndo.h"
#include "engine/RunJournal.h"
#include "engine/StructureScan.h"
#include "platform/HostFileSystem.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <unistd.h>

namespace dirforge::cli {

using engine::JournalFromJson;
using engine::kJournalFileLimit;
using engine::NothingLeftToUndo;
using engine::PathOnUnnamedDrive;
using engine::RunJournal;

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

/// The progress line goes to standard error when that is a terminal, unless --quiet.
bool ShowsProgressLine(const BatchOptions& options, const std::ostream& err) {
    return !options.quiet && &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
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
    BatchWatch log;

    Session(const BatchOptions& batchOptions, std::ostream& output, std::ostream& errors)
        : options(batchOptions), out(output), err(errors), fs(DrivesOf(batchOptions)),
          paths(fs.drives(), std::filesystem::current_path().string()), prompt(errors),
          log(errors, ShowsProgressLine(batchOptions, errors)) {}

    /// keptFiles: after an undo, the files it kept (UndoRetry); null after a run.
    void report(const engine::RunCounters& counters, const ResultLists& lists,
                const ReportCauses& causes, const std::vector<std::string>* keptFiles = nullptr,
                const std::vector<std::string>* gone = nullptr) {
        log.clearLine();
        if (options.json)
            out << JsonReport(counters, lists, causes, prompt.messages(), keptFiles, gone);
        else
            PrintSummary(out, counters, lists, causes, keptFiles, gone);
    }

    /// The journal file in drive form; for writing, its folder must exist before anything runs.
    std::string journalPath(bool forWriting) {
        const std::string path = DriveArgument(paths, options.journal, "--journal");
        if (forWriting && (fs.folderExists(path) || !fs.folderExists(engine::ParentFolder(path))))
            throw UsageError("--journal: " + path +
                             " cannot be written (its folder must exist and it must not be one)");
        return path;
    }

    /// Reads and parses a journal; throws UsageError saying why it is not one. A version 3
    /// journal cut by a power loss may end in zeros: what comes before them is read.
    RunJournal readJournal(const std::string& path, engine::JournalRead& read) {
        platform::TextFileRead file = fs.readTextFile(path, kJournalFileLimit);
        std::string text =
            file.content && file.nulByte && engine::LooksLikeJournalLines(*file.content)
                ? std::move(*file.content)
                : ReadInputFile(fs, path, "--journal", kJournalFileLimit);
        std::string error;
        std::optional<RunJournal> journal = JournalFromJson(text, error, &read);
        if (!journal)
            throw UsageError("--journal: " + path + " is " + error);
        if (read.tornTail)
            err << "dirforge-cli: " << path << ": " << engine::kTornJournalText << '\n';
        return std::move(*journal);
    }

    /// Before a run: the journal file is made exclusively, so nothing of the user's is ever
    /// replaced and an unwritable place is refused before anything is created. An existing file
    /// may be reused only when it is a journal with nothing left to undo. The journal written
    /// ahead goes to the file returned; it holds a header with nothing to undo until the run
    /// begins.
    std::unique_ptr<engine::JournalWriter> claimJournal(const std::string& path,
                                                        engine::PageKind page) {
        const auto writerFor = [&](platform::AppendOpen how) {
            int error = 0;
            auto file = fs.openAppendFile(path, how, &error);
            if (!file)
                throw UsageError("--journal: " + path + " cannot be created (" +
                                 std::strerror(error) + ")");
            auto writer = std::make_unique<engine::JournalWriter>(std::move(file), fs.drives());
            // A new file holds a journal with nothing to undo from the start; an old one is
            // left as it is until the run begins (a refused run keeps it).
            if (how == platform::AppendOpen::CreateNew)
                writer->begin(page, "", "", engine::RunCounters{});
            if (writer->failed())
                throw UsageError("--journal: " + path + " cannot be written (" +
                                 writer->errorText() + ")");
            return writer;
        };
        if (fs.fileExists(path) || fs.isLink(path)) {
            std::string error;
            const auto text = fs.readTextFile(path, kJournalFileLimit);
            const auto journal = text.content && !text.nulByte
                                     ? JournalFromJson(*text.content, error)
                                     : std::nullopt;
            if (!journal || !NothingLeftToUndo(*journal) || fs.isLink(path))
                throw UsageError("--journal: " + path +
                                 " already exists and is not an undo journal with nothing left to "
                                 "undo; it is left "
                                 "as it is (undo that run first, or name another file)");
            return writerFor(platform::AppendOpen::Existing);
        }
        return writerFor(platform::AppendOpen::CreateNew);
    }

    /// Writes the journal atomically; false (explained on err) when it could not be written.
    bool writeJournal(const std::string& path, RunJournal& journal) {
        if (WriteJournalFile(fs, fs.drives(), path, journal))
            return true;
        err << "dirforge-cli: the undo journal " << path << " could not be written\n";
        return false;
    }
};

/// Work stopped by a signal: says so; the exit status is 128 + the signal's number.
int StoppedStatus(Session& session);

int RunCreation(Session& session) {
    const BatchOptions& options = session.options;
    const bool writesJournal = !options.simulate && !options.journal.empty();
    const std::string journalPath = writesJournal ? session.journalPath(true) : std::string();

    engine::MAP_FOLDER_TEMPLATE_OPTIONS templateOptions;
    const engine::RunRequest request =
        BuildRunRequest(options, session.fs, session.paths, templateOptions, session.err);
    std::unique_ptr<engine::JournalWriter> writer;
    if (writesJournal)
        writer = session.claimJournal(journalPath, request.page);
    engine::PageRunState state;
    const engine::RunServices services{session.fs, session.prompt, session.shell, session.log,
                                       writer.get()};
    // The page refresh before the button is pressed: "to create" counters and structure totals.
    // A run that copies files makes this check itself, and a run whose drive is not there is
    // refused by the run with the one message that says so.
    if (!request.copiesFiles() &&
        engine::MissingDriveMessage(session.fs, engine::DrivePathsOf(request)).empty())
        engine::PrepareTargetCounts(request, state, services, false);

    const engine::RunOutcome outcome = options.simulate
                                           ? engine::SimulationRun(request, state, services)
                                           : engine::CreationRun(request, state, services);
    if (outcome.end == engine::RunEnd::Refused) {
        if (options.json)
            session.report(state.results.counters, session.log.lists(), session.log.causes());
        return ExitRefused;
    }
    // The lists the visual log was shown, for a simulation (which journals nothing) and a real run
    // alike, so the two reports compare line by line.
    session.report(state.results.counters, session.log.lists(), session.log.causes());
    const int done =
        outcome.end == engine::RunEnd::Stopped ? StoppedStatus(session) : ExitCompleted;
    if (!outcome.journalError.empty()) {
        session.err << "dirforge-cli: " << outcome.journalError << '\n';
        return ExitJournalFailed;
    }
    if (writer && writer->failed()) { // the last sync, after every item was made
        session.err << "dirforge-cli: the undo journal " << journalPath << " could not be written ("
                    << writer->errorText() << ")\n";
        return ExitJournalFailed;
    }
    return done;
}

int StoppedStatus(Session& session) {
    const int signal = session.log.stoppedBy();
    session.err << "dirforge-cli: stopped by " << (signal == SIGTERM ? "SIGTERM" : "SIGINT")
                << " after the item in hand; the report lists what was done\n";
    return StopSignals::ExitStatusFor(signal);
}

/// Maps each letter the journal uses to the folder it stood for; refuses a letter now mapped
/// elsewhere.
void RestoreJournalDrives(const RunJournal& journal, platform::DriveMap& drives) {
    for (const auto& [letter, folder] : journal.drives) {
        const auto current = drives.rootOf(letter);
        if (!current)
            drives.map(letter, folder);
        else if (*current != folder)
            throw UsageError(std::string("drive ") + letter + ": is " + *current +
                             " here but was " + folder +
                             " when the journal was written; map it the same way (--drive " +
                             letter + "=" + folder + ")");
    }
}

int RunUndo(Session& session) {
    const std::string path = session.journalPath(false);
    engine::JournalRead read;
    std::optional<RunJournal> journal = session.readJournal(path, read);
    // A path on a letter the journal does not name could stand for any folder: nothing is undone.
    const std::string unnamed = PathOnUnnamedDrive(*journal);
    if (!unnamed.empty())
        throw UsageError("--journal: " + path + " does not name the host folder of the drive of " +
                         unnamed + "; nothing is undone");
    RestoreJournalDrives(*journal, session.fs.drives());

    engine::RunResults& results = journal->results;
    if (!engine::UndoLastRun(journal->page, results, journal->lastAttachMode,
                             journal->lastDestination, session.fs, session.prompt, session.log)) {
        if (session.options.json)
            session.report(results.counters, ListsOf(results), ReportCauses{});
        return ExitRefused;
    }
    session.report(results.counters, ListsOf(results), ReportCauses{results.Reasons, {}},
                   &results.UndoRetry, &results.AlreadyGone);
    const int done = session.log.stoppedBy() != 0 ? StoppedStatus(session) : ExitCompleted;
    // What is left is only what failed or was not reached, so the next undo goes on with that.
    // A version 3 journal gets it appended after its complete records; an older one is
    // rewritten whole in version 3.
    if (read.version != 3)
        return session.writeJournal(path, *journal) ? done : ExitJournalFailed;
    int error = 0;
    auto file = session.fs.openAppendFile(path, platform::AppendOpen::Existing, &error);
    const bool opened = file != nullptr;
    engine::JournalWriter writer(std::move(file), session.fs.drives());
    writer.resumeAfter(read.completeBytes);
    if (writer.undone(results))
        return done;
    session.err << "dirforge-cli: the undo journal " << path << " could not be updated ("
                << (opened ? writer.errorText() : std::string(std::strerror(error)))
                << "); what was removed is gone, and the next undo finds it already gone\n";
    return ExitJournalFailed;
}

/// Fills the options not given from the profile, then checks them as the command line is checked.
void TakeProfile(Session& session, BatchOptions& options) {
    const std::string path = DriveArgument(session.paths, options.profile, "--profile");
    std::string reason;
    const std::optional<settings::PageSetup> setup =
        settings::LoadProfile(path, session.fs, reason);
    if (!setup)
        throw UsageError("--profile: " + path + " cannot be used: " + reason);
    ApplyProfile(*setup, options);
    if (const std::string error = CheckRunOptions(options); !error.empty())
        throw UsageError(error);
}

} // namespace

int RunBatch(const BatchOptions& givenOptions, std::ostream& out, std::ostream& err) {
    try {
        BatchOptions options = givenOptions; // a profile fills what the command line left out
        Session session(options, out, err);
        if (options.command != Command::Undo && !options.profile.empty())
            TakeProfile(session, options);
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
    // Nothing unexpected ends the program uncaught: it is a usage failure with its reason.
    try {
        BatchOptions options;
        if (const auto status = ParseCommandLine(argc, argv, options, out, err))
            return *status;
        return RunBatch(options, out, err);
    } catch (const std::bad_alloc&) {
        err << "dirforge-cli: out of memory\n";
    } catch (const std::exception& e) {
        err << "dirforge-cli: unexpected failure: " << e.what() << '\n';
    } catch (...) {
        err << "dirforge-cli: unexpected failure\n";
    }
    return ExitUsage;
}

} // namespace dirforge::cli
