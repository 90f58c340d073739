#pragma once
// The undo journal written ahead of the work (journal version 3, one JSON object a line): its
// header is in the file before the first item is made, and each anchor opened, folder made and
// file copied is handed to the file with its identity, one write() for what one item recorded,
// before the next item starts; a killed process loses at most the item in flight. The data is
// synced at least once a second and at the end, so a power loss loses about the last second.
// Nothing is ever rewritten: an undo appends its outcome, so no temporary file is needed.
//
// A run that works on several targets at once gives each target a lane: a writer over the same
// file whose records are wrapped as {"lane":N,"r":record}, handed to the file the moment they
// are made, from the worker's thread (the file is shared under a lock). When the run records
// that target in its list order it appends {"laneDone":N}; the reader takes a lane's records at
// that mark, so the journal reads back in the list's order, and a lane without its mark (a
// killed run) is taken at the end.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace dirforge::engine {

class JournalWriter {
public:
    JournalWriter(std::unique_ptr<platform::AppendFile> file, const platform::DriveMap& drives);
    /// A lane of shared: records go to shared's file, wrapped with the lane's number. Used by
    /// one worker thread at a time; shared must outlive it.
    JournalWriter(JournalWriter& shared, std::uint64_t lane);

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
    /// A lane's writer moves on to the next lane, after handing the last one's records over.
    void setLane(std::uint64_t lane);
    /// The run has recorded lane's target in its order: the reader takes the lane's records here.
    void laneDone(std::uint64_t lane);

    /// An undo's outcome: its failures (what the next undo retries), then the end mark; synced.
    bool undone(const RunResults& results);

    /// A write or a sync failed (in this lane, or anywhere in the file): nothing more may be made.
    bool failed() const { return error_ != 0 || (shared_ != nullptr && shared_->failed()); }
    /// The failure's system text ("No space left on device").
    std::string errorText() const;

private:
    void noteDrive(std::string_view path);
    /// A made folder's record waits for the next record: when that lists the same folder, both
    /// go in one line. Identities learnt one after another share a line likewise. Every other
    /// record hands over what is held first.
    void settleHeld();
    /// True (once) when path is the item the last intent named: its record refers to that one.
    bool takeIntent(std::string_view path, bool isFile);
    bool write();
    /// Appends text to the file under the lock every lane shares; syncs when a second passed.
    /// now (the wall clock in nanoseconds) is 0 when no sync is to be considered.
    bool append(const std::string& text, std::int64_t now);
    /// Syncs when the last sync is a second old; the file's lock is held.
    void syncWhenDueLocked(std::int64_t now);
    /// The wall clock as the last intent read it (read now when none did since).
    std::int64_t takeClock();

    std::unique_ptr<platform::AppendFile> file_;
    const platform::DriveMap& drives_;
    std::string pending_;
    std::string heldMade_;
    platform::FolderIdentity heldMadeId_;
    bool holdingMade_ = false;
    bool heldMadeOfIntent_ = false;
    /// The last intent's item while nothing has recorded it as made.
    std::string intentPath_;
    bool intentFile_ = false;
    bool intentOpen_ = false;
    /// Identities in the open {"madeIds"} line, and the index the next one continues at.
    std::size_t idsHeld_ = 0;
    std::size_t nextIdIndex_ = 0;
    std::array<bool, 26> drivesNoted_{};
    /// Wall clock nanoseconds of the last sync, and of the last intent not yet handed over.
    std::int64_t lastSync_ = 0;
    std::int64_t clock_ = 0;
    /// The file's size after the last complete write.
    std::uint64_t committed_ = 0;
    std::atomic<int> error_ = 0;
    /// A lane's writer and number; null for the file's own writer.
    JournalWriter* shared_ = nullptr;
    std::uint64_t lane_ = 0;
    std::string wrapped_;
    std::mutex fileLock_;
};

} // namespace dirforge::engine
