#pragma once
// The folders a real run creates below. Each point the user chose (a destination, a paths
// entry's folder) is resolved once, as given, to its deepest existing folder and held while the
// run lasts (from the held folder above it, so points beside one another cost one look-up each);
// everything below is made through that folder's handle, never through a link, and every folder
// made and file copied is journaled with its identity so the undo can prove what the run made. A
// folder made directly in a held chosen folder learns its identity a little later, from one listing
// of that folder for many (see identifyMade): one request per new folder fewer on a network share.
// "A little later" is bounded (kIdentityWait), since a folder put in the place of a new one before
// its identity is asked would be taken for the one the run made.

#include "engine/JournalWriter.h"
#include "engine/MakeOutcome.h"
#include "engine/RunResults.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace dirforge::engine {

/// The drive path of the folder directly above a chosen point ("f:" above "f:\Run"); empty
/// for a drive's root and for a point that ends in "." or "..".
std::string FolderAbove(const std::string& chosen);

class RunAnchors {
public:
    /// How long a new folder's identity waits, at most, for the listing that gives it: every
    /// chosen folder holding such folders is listed then. Long enough that a run on a network
    /// share lists each chosen folder about once, short enough to keep small the time in which
    /// a folder put in the place of a new one would be taken for it.
    static constexpr std::chrono::milliseconds kIdentityWait{10000};

    /// Journals into results (anchors, made folders, their identities).
    RunAnchors(platform::FileSystem& fs, RunResults& results,
               std::chrono::milliseconds identityWait = kIdentityWait)
        : fs_(fs), results_(results), identityWait_(identityWait) {}
    /// Asks the identities still missing (identifyMade).
    ~RunAnchors();
    RunAnchors(const RunAnchors&) = delete;
    RunAnchors& operator=(const RunAnchors&) = delete;

    /// Creates path with its missing parents below the point chosen; every folder made is
    /// journaled. True when a real folder stands at path afterwards.
    bool createFolder(const std::string& chosen, const std::string& path);
    /// createFolder, saying whether the folder at path was there already, made now, or not made
    /// (a link, a file or a refused name in the way).
    MakeOutcome makeFolder(const std::string& chosen, const std::string& path);
    /// Copies source to target below the point chosen, exclusively; identity is the copy's.
    bool copyFile(const std::string& chosen, const std::string& source, const std::string& target,
                  platform::FileIdentity& identity);
    /// Writes every anchor, made folder and identity to journal too, ahead of the next item;
    /// once it failed, nothing more is made.
    void setJournal(JournalWriter* journal) { journal_ = journal; }
    /// Asks each new folder's identity as it is made, never later: for a worker, whose records
    /// the run takes in its own order.
    void identifyAtOnce() { identifyAtOnce_ = true; }
    /// copyFile from a file below from, a structure's folder held for the run, with what the
    /// run's copies share (memory).
    bool copyFile(const std::string& chosen, platform::AnchoredFolder& from,
                  const std::string& source, const std::string& target,
                  platform::FileIdentity& identity, platform::CopyMemory& memory);
    /// Writes content to target below the point chosen, exclusively, journaled as a copy is.
    bool writeFile(const std::string& chosen, const platform::KeptContent& content,
                   const std::string& target, platform::FileIdentity& identity);
    /// Lets go of the folders below the point chosen held for the files made in them.
    void releaseFolders(const std::string& chosen);
    /// Fills in the identities of the folders made so far that creating left for later; a run
    /// calls it when its last name is done, before anything reads the journal.
    void identifyMade();

private:
    /// One chosen point, held open.
    struct Held {
        std::unique_ptr<platform::AnchoredFolder> anchor;
        /// The anchor is the chosen folder itself, not a folder above it that was missing.
        bool exact = false;
        /// Where in results_.FolderIdentities the identities left for later go, in order.
        std::vector<std::size_t> unidentified;
    };

    /// The held anchor for the point chosen; opened the first time the point comes.
    Held* heldFor(const std::string& chosen);
    /// Opens the point chosen, or the deepest existing folder above it (held.exact says which).
    void open(Held& held, const std::string& chosen);
    /// Opens the point chosen itself; nullptr when it is not a folder.
    std::unique_ptr<platform::AnchoredFolder> openExact(const std::string& chosen);
    /// Opens the point chosen from the held folder above it, or by its whole path without one.
    std::unique_ptr<platform::AnchoredFolder> openFrom(platform::AnchoredFolder* above,
                                                       const std::string& chosen,
                                                       platform::AnchorReach reach);
    /// The held folder directly above a chosen point, opened the first time; nullptr when the
    /// folder text above names none.
    platform::AnchoredFolder* heldAbove(const std::string& above);
    void identify(Held& held);
    /// Runs copy in the anchor held for chosen, journaled ahead and after as every item is.
    bool journaledCopy(const std::string& chosen, const std::string& target,
                       platform::FileIdentity& identity,
                       const std::function<bool(platform::AnchoredFolder&)>& copy);
    /// identifyMade once the oldest folder without identity has waited identityWait_.
    void identifyWhenDue();
    void record(const platform::AnchoredFolder& anchor);
    /// After the run made the missing chosen folder: hold it from now on, once it is opened as
    /// given and proves to be the very folder the run made (made_ holds what was just made).
    void holdChosenFolder(Held& held, const std::string& chosen);

    /// Hands the last item's records and this one's intent to the journal before it is made;
    /// false once the journal failed.
    bool journalReady(const std::string& path, bool file);

    platform::FileSystem& fs_;
    RunResults& results_;
    JournalWriter* journal_ = nullptr;
    bool identifyAtOnce_ = false;
    std::unordered_map<std::string, Held> held_;
    /// The folders directly above the chosen points, by drive path. Points beside one another
    /// (a paths list's folders) open from their handle: one look-up each on a network share,
    /// not one for every element of their paths.
    std::unordered_map<std::string, std::unique_ptr<platform::AnchoredFolder>> above_;
    /// The point asked last, looked up without hashing while the same point comes again.
    std::string lastChosen_;
    Held* last_ = nullptr;
    std::unordered_set<std::string> recorded_;
    std::vector<platform::MadeItem> made_;
    const std::chrono::milliseconds identityWait_;
    /// When the oldest folder still without identity was made; unset when there is none.
    std::optional<std::chrono::steady_clock::time_point> oldestUnidentified_;
};

} // namespace dirforge::engine
