#pragma once
// What one invocation of the batch front end asks for, as read from its command line.

#include "engine/RunResults.h"
#include "engine/TemplateOptions.h"

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace dirforge::cli {

/// The exit status of the batch front end.
enum ExitStatus : int {
    ExitCompleted = 0, ///< the run or undo was carried out (per-item failures are results)
    ExitRefused =
        1, ///< refused before it started (no space, no structure, end below start, nothing to undo)
    ExitUsage = 2,         ///< the command line or one of its files could not be used
    ExitJournalFailed = 3, ///< the run was carried out but its undo journal could not be written
    ExitInterrupted = 130, ///< stopped by SIGINT after the item in hand; what was made is journaled
    ExitTerminated = 143   ///< the same, stopped by SIGTERM
};

/// A command line or one of its files that cannot be used; ends the program with ExitUsage.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Command { Strings, Paths, Numbers, Undo };

/// The parsed command line. Paths and file names are kept as typed; BatchCommand converts them.
struct BatchOptions {
    Command command = Command::Strings;
    /// "L=HOSTDIR" mappings added to those of DIRFORGE_DRIVES.
    std::vector<std::string> driveMappings;

    std::string destination;
    std::string namesFile;
    std::vector<std::string> names;
    /// Names built from several columns of a separated --names file: the pattern (or one column
    /// number), the delimiter text and the quotation mark its rows are read with.
    std::string columns;
    std::string delimiter = ",";
    std::string quote = "\"";

    std::string pathsFile;
    std::vector<std::string> paths;
    std::int32_t startNumber = 1;
    std::int32_t endNumber = 1;
    bool padded = false;
    bool numberSuffix = false;

    std::string prefix;
    std::string suffix;
    bool hyphen = false;
    engine::AttachMode attach = engine::AttachMode::Nothing;
    std::vector<std::string> structures;
    engine::CopyVariant copy = engine::CopyVariant::MainFolderWithoutFiles;
    std::vector<std::string> templates;
    std::vector<std::string> templateFiles;
    engine::_tagFoldersTemplateOptions templateOption;
    /// Existing targets receive the structure too (only what is missing is made).
    bool fillExisting = false;
    /// {name}, {item}, {date}, {yyyy}, {mm} and {dd} are replaced in names and structures.
    bool tokens = false;

    bool simulate = false;
    std::string journal;
    bool json = false;

    /// A saved page set-up whose values stand in for every option not given on the command line.
    std::string profile;
    /// The options given on the command line, by long name without dashes ("prefix", "dest").
    std::set<std::string> given;

    bool wasGiven(const char* name) const { return given.count(name) > 0; }
    /// No progress line on standard error.
    bool quiet = false;
};

} // namespace dirforge::cli
