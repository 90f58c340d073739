#pragma once
// The undo journal of a batch run in a JSON file: what the page keeps between a run and its
// Undo button (the lists the undo reads, the folders the run made with their identities, the
// folders it created below, attach letter, destination, page), plus the host folder of every
// drive letter its paths use, so that an undo never acts on a drive that has since been mapped
// elsewhere. Nothing here is tied to the batch front end: a window may keep the same journal.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace dirforge::engine {

struct RunJournal {
    engine::PageKind page = engine::PageKind::Strings;
    std::string lastAttachMode;
    std::string lastDestination;
    /// Only the undo's lists (FoldersCreated, SubFoldersCreated, FilesCreated, FoldersFailedUndo,
    /// UndoRetry, FoldersMadeByRun), their identities, the anchors and the "to create" counters are
    /// kept.
    engine::RunResults results;
    /// Lower-case drive letter to the host folder it stood for when the journal was written.
    std::map<char, std::string> drives;
};

/// The page's name in journals and messages: strings, paths or numbers.
const char* PageName(engine::PageKind page);

/// Records in journal.drives the host folder of each letter its paths use.
void RecordDrives(RunJournal& journal, const platform::DriveMap& drives);
/// The first path of the journal whose drive letter journal.drives does not name; "" if none.
std::string PathOnUnnamedDrive(const RunJournal& journal);
/// True when the journal names nothing an undo would remove or retry.
bool NothingLeftToUndo(const RunJournal& journal);

/// Writes the journal as version 2 JSON text (one object) to sink, in pieces of a few tens of
/// kilobytes; false when the sink refused one. Paths that are not valid UTF-8 are stored
/// byte-exact as {"hex": ...}. Kept so that tests can make the journals older versions wrote.
bool WriteJournalJson(const RunJournal& journal, const platform::ContentSink& sink);

/// What reading a journal found besides its content.
struct JournalRead {
    int version = 0;
    /// Version 3: the last record was cut (written when the process was killed or the power
    /// went); everything before it was read.
    bool tornTail = false;
    /// Version 3: the bytes of the complete records, after which the next records are appended.
    std::uint64_t completeBytes = 0;
};
/// The note a front end shows once when a journal ends in a torn record.
inline constexpr const char* kTornJournalText =
    "the journal ends in an incomplete record; everything before it is undone";

/// True when text begins as a version 3 journal (JSON Lines).
bool LooksLikeJournalLines(std::string_view text);
/// Reads a version 3 journal (see JournalLines.cpp).
std::optional<RunJournal> JournalFromLines(const std::string& text, std::string& error,
                                           JournalRead* read = nullptr);
/// Appends the whole journal as version 3 lines.
void WriteJournalLines(const RunJournal& journal, std::string& out);

/// The journal as version 3 text (header and one record a line).
std::string JournalToJson(const RunJournal& journal);
/// Reads a journal of any version; nullopt with a message when the text is not one.
std::optional<RunJournal> JournalFromJson(const std::string& text, std::string& error,
                                          JournalRead* read = nullptr);

/// The largest journal file read.
inline constexpr std::uint64_t kJournalFileLimit = std::uint64_t{1} << 30;

/// Reads and parses the journal file at path (drive form); nullopt with a message that follows
/// "<path> is " and says why it is not one (not readable, too large, not a journal).
std::optional<RunJournal> ReadJournalFile(const platform::FileSystem& fs, const std::string& path,
                                          std::string& error, JournalRead* read = nullptr);
/// Records the drives and writes the journal atomically (a reader sees the old file or the new
/// one), as it is made: the whole text is never held.
bool WriteJournalFile(platform::FileSystem& fs, const platform::DriveMap& drives,
                      const std::string& path, RunJournal& journal);

} // namespace dirforge::engine
