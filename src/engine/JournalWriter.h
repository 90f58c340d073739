#pragma once
// The undo journal written ahead of the work (journal version 3, one JSON object a line): its
// header is in the file before the first item is made, and each anchor opened, folder made and
// file copied is handed to the file with its identity, one write() for what one item recorded,
// before the next item starts; a killed process loses at most the item in flight. The data is
// synced at least once a second and at the end, so a power loss loses about the last second.
// Nothing is ever rewritten: an undo appends its outcome, so no temporary file is needed.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace dirforge::engine {

class JournalWriter {
public:
    JournalWriter(std::unique_ptr<platform::AppendFile> file, const platform::DriveMap& drives);

    /// Starts the journal: the file is cut to nothing (it held at most a journal with nothing to
    /// undo) and the header written and synced.
    void begin(PageKind page, const std::string& attachLetter, const std::string& destination,
               const RunCounters& counters);
    /// Appends after the first `keep` bytes (a reader's complete records; a torn tail is cut).
    void resumeAfter(std::uint64_t keep);

    void anchor(const RunAnchor& anchor);
    /// A folder the run made; its identity may still be unknown (see madeIdentity).
    void made(std::string_view path, const platform::FolderIdentity& identity);
    /// The identity of the index-th made folder, learnt after it was made.
    void madeIdentity(std::size_t index, const platform::FolderIdentity& identity);
    /// A target or subfolder the run created (FoldersCreated, SubFoldersCreated).
    void listed(ResultList list, std::string_view path);
    void file(std::string_view path, const platform::FileIdentity& identity);

    /// Before a folder is made or a file copied: its path (and when), handed to the file with
    /// what the item before recorded, in one write. A killed run's item in flight is thus named:
    /// the undo removes it only when it changed after this record (see FileIdentity).
    void intent(std::string_view path, bool file);

    /// Hands what was recorded since the last call to the file in one write; called before each
    /// item is made. Syncs when the last sync is a second old.
    void flush();
    /// flush (once more after a failure) and sync; true when everything recorded is in the file.
    bool finish();
    /// An undo's outcome: its failures (what the next undo retries), then the end mark; synced.
    bool undone(const RunResults& results);

    /// A write or a sync failed: nothing more may be made.
    bool failed() const { return error_ != 0; }
    /// The failure's system text ("No space left on device").
    std::string errorText() const;

private:
    void noteDrive(std::string_view path);
    bool write();

    std::unique_ptr<platform::AppendFile> file_;
    const platform::DriveMap& drives_;
    std::string pending_;
    std::array<bool, 26> drivesNoted_{};
    std::chrono::steady_clock::time_point lastSync_;
    /// The file's size after the last complete write.
    std::uint64_t committed_ = 0;
    int error_ = 0;
};

} // namespace dirforge::engine
