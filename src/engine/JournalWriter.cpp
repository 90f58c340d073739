#include "engine/JournalWriter.h"

#include "engine/JournalText.h"

#include <cerrno>
#include <cstring>

namespace dirforge::engine {

using namespace std::string_view_literals;

namespace {

constexpr std::int64_t kSyncEvery = 1000000000; // nanoseconds

std::int64_t WallNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
/// Identities learnt at once share a line, {"madeIds":first,"ids":[device,inode,...]}, of at
/// most this many.
constexpr std::size_t kMostIdsALine = 1024;

} // namespace

JournalWriter::JournalWriter(std::unique_ptr<platform::AppendFile> file,
                             const platform::DriveMap& drives)
    : file_(std::move(file)), drives_(drives), lastSync_(WallNanoseconds()) {
    pending_.reserve(4096);
    if (!file_)
        error_ = EBADF;
    else
        committed_ = file_->size();
}

JournalWriter::JournalWriter(JournalWriter& shared, std::uint64_t lane)
    : drives_(shared.drives_), shared_(&shared), lane_(lane) {
    pending_.reserve(1024);
}

std::string JournalWriter::errorText() const {
    if (error_ == 0 && shared_ != nullptr)
        return shared_->errorText();
    return std::strerror(error_);
}

void JournalWriter::begin(PageKind page, const std::string& attachLetter,
                          const std::string& destination, const RunCounters& counters) {
    if (failed())
        return;
    drivesNoted_ = {};
    holdingMade_ = intentOpen_ = false;
    idsHeld_ = 0;
    pending_ = journal::HeaderLine(page, attachLetter, destination, counters);
    if (!file_->truncate(0)) {
        error_ = file_->error();
        return;
    }
    committed_ = 0;
    noteDrive(destination);
    if (write() && !file_->sync())
        error_ = file_->error();
}

void JournalWriter::resumeAfter(std::uint64_t keep) {
    if (failed())
        return;
    if (file_->size() != keep && !file_->truncate(keep))
        error_ = file_->error();
    committed_ = keep;
}

void JournalWriter::noteDrive(std::string_view path) {
    if (path.size() < 2 || path[1] != ':')
        return;
    char letter = path[0];
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z' || drivesNoted_[static_cast<std::size_t>(letter - 'a')])
        return;
    drivesNoted_[static_cast<std::size_t>(letter - 'a')] = true;
    if (const auto root = drives_.rootOf(letter))
        journal::AppendDrive(pending_, letter, *root);
}

bool JournalWriter::takeIntent(std::string_view path, bool isFile) {
    if (!intentOpen_ || intentFile_ != isFile || intentPath_ != path)
        return false;
    intentOpen_ = false;
    return true;
}

void JournalWriter::settleHeld() {
    if (holdingMade_) {
        holdingMade_ = false;
        journal::AppendMade(pending_, heldMadeOfIntent_ ? std::string_view() : heldMade_,
                            heldMadeId_);
    }
    if (idsHeld_ > 0) {
        pending_ += "]}\n"sv;
        idsHeld_ = 0;
    }
}

void JournalWriter::anchor(const RunAnchor& anchor) {
    settleHeld();
    noteDrive(anchor.path);
    journal::AppendAnchor(pending_, anchor);
}

void JournalWriter::made(std::string_view path, const platform::FolderIdentity& identity) {
    settleHeld();
    noteDrive(path);
    heldMade_.assign(path);
    heldMadeId_ = identity;
    heldMadeOfIntent_ = takeIntent(path, false);
    holdingMade_ = true;
}

void JournalWriter::madeIdentity(std::size_t index, const platform::FolderIdentity& identity) {
    if (idsHeld_ > 0 && index == nextIdIndex_ && idsHeld_ < kMostIdsALine) {
        pending_ += ',';
    } else {
        settleHeld();
        pending_ += "{\"madeIds\":"sv;
        journal::AppendNumber(pending_, static_cast<std::uint64_t>(index));
        pending_ += ",\"ids\":["sv;
    }
    journal::AppendNumber(pending_, identity.device);
    pending_ += ',';
    journal::AppendNumber(pending_, identity.inode);
    ++idsHeld_;
    nextIdIndex_ = index + 1;
}

void JournalWriter::listed(ResultList list, std::string_view path) {
    const std::string_view key = list == ResultList::FoldersCreated ? "created"sv : "sub"sv;
    if (holdingMade_ && heldMade_ == path) {
        holdingMade_ = false;
        journal::AppendMade(pending_, heldMadeOfIntent_ ? std::string_view() : heldMade_,
                            heldMadeId_, key);
        return;
    }
    settleHeld();
    noteDrive(path);
    journal::AppendPathRecord(pending_, key, path);
}

void JournalWriter::file(std::string_view path, const platform::FileIdentity& identity) {
    settleHeld();
    noteDrive(path);
    journal::AppendFileRecord(pending_, "file", takeIntent(path, true) ? std::string_view() : path,
                              identity);
}

void JournalWriter::intent(std::string_view path, bool isFile) {
    settleHeld();
    noteDrive(path);
    // Some file systems stamp times from a coarse clock: the margin keeps an item made right
    // after this record from looking older than it.
    constexpr std::int64_t kMargin = 2000000000;
    const std::int64_t now = WallNanoseconds();
    clock_ = now;
    pending_ += isFile ? "{\"copying\":"sv : "{\"making\":"sv;
    journal::AppendText(pending_, path);
    pending_ += ",\"t\":"sv;
    journal::AppendNumber(pending_, now > kMargin ? now - kMargin : std::int64_t{1});
    pending_ += "}\n"sv;
    intentPath_.assign(path);
    intentFile_ = isFile;
    intentOpen_ = true;
    flush();
}

void JournalWriter::setLane(std::uint64_t lane) {
    flush();
    intentOpen_ = false; // each lane is read with its own last intent
    lane_ = lane;
}

void JournalWriter::laneDone(std::uint64_t lane) {
    settleHeld();
    pending_ += "{\"laneDone\":" + std::to_string(lane) + "}\n";
    flush();
}

bool JournalWriter::append(const std::string& text, std::int64_t now) {
    const std::lock_guard lock(fileLock_);
    if (error_ != 0)
        return false;
    if (!file_->append(text)) {
        error_ = file_->error() != 0 ? file_->error() : EIO;
        return false;
    }
    committed_ += text.size();
    if (now != 0)
        syncWhenDueLocked(now);
    return error_ == 0;
}

void JournalWriter::syncWhenDueLocked(std::int64_t now) {
    // The wall clock is read for the intents anyway; set back, it counts as a second passed.
    if (now >= lastSync_ && now - lastSync_ < kSyncEvery)
        return;
    lastSync_ = now;
    if (!file_->sync())
        error_ = file_->error();
}

std::int64_t JournalWriter::takeClock() {
    const std::int64_t now = clock_ != 0 ? clock_ : WallNanoseconds();
    clock_ = 0;
    return now;
}

bool JournalWriter::write() {
    if (pending_.empty())
        return true;
    if (shared_ == nullptr) {
        if (!append(pending_, 0))
            return false;
        pending_.clear();
        return true;
    }
    wrapped_.clear();
    const std::string prefix = "{\"lane\":" + std::to_string(lane_) + ",\"r\":";
    for (std::size_t at = 0; at < pending_.size();) {
        const std::size_t end = pending_.find('\n', at);
        wrapped_ += prefix;
        wrapped_.append(pending_, at, end - at);
        wrapped_ += "}\n"sv;
        at = end + 1;
    }
    if (!shared_->append(wrapped_, takeClock())) {
        error_ = shared_->error_ != 0 ? shared_->error_.load() : EIO;
        return false;
    }
    pending_.clear();
    return true;
}

void JournalWriter::flush() {
    settleHeld();
    if (failed() || pending_.empty())
        return;
    if (shared_ != nullptr) {
        write(); // the file's own writer syncs for every lane
        return;
    }
    if (append(pending_, takeClock()))
        pending_.clear();
}

bool JournalWriter::finish() {
    settleHeld();
    if (!file_)
        return false;
    if (failed()) {
        // Once more: a full disk may have room again for the last item's records.
        if (file_->size() != committed_ && !file_->truncate(committed_))
            return false;
        if (pending_.empty() || file_->append(pending_)) {
            committed_ += pending_.size();
            pending_.clear();
        }
        return pending_.empty() && file_->sync();
    }
    pending_ += "{\"finished\":1}\n"sv;
    intentOpen_ = false;
    if (!write())
        return false;
    if (!file_->sync()) {
        error_ = file_->error();
        return false;
    }
    lastSync_ = WallNanoseconds();
    return true;
}

bool JournalWriter::undone(const RunResults& results) {
    settleHeld();
    journal::AppendUndoBlock(pending_, results);
    return finish();
}

} // namespace dirforge::engine
