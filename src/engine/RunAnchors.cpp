#include "engine/RunAnchors.h"

#include "engine/ReasonTexts.h"
#include "platform/FailureReason.h"

#include <string_view>

namespace dirforge::engine {

namespace {

/// Chosen points held open at once; when more come, all are identified, closed and reopened
/// as they come again.
constexpr std::size_t kMostHeld = 256;

/// New folders of one chosen folder that wait for their identities at most: their names are
/// held until then, and one listing that stops once it has named them all identifies them.
constexpr std::size_t kMostUnidentified = 16384;

} // namespace

std::string FolderAbove(const std::string& chosen) {
    const std::size_t end = chosen.find_last_not_of("\\/");
    if (end == std::string::npos || end < 2)
        return {};
    const std::size_t cut = chosen.find_last_of("\\/", end);
    if (cut == std::string::npos || cut < 2)
        return {};
    const std::string_view last(chosen.data() + cut + 1, end - cut);
    if (last == "." || last == "..")
        return {};
    return chosen.substr(0, cut);
}

RunAnchors::~RunAnchors() {
    identifyMade();
}

void RunAnchors::record(const platform::AnchoredFolder& anchor) {
    if (recorded_.insert(anchor.path()).second) {
        results_.Anchors.push_back({anchor.path(), anchor.identity()});
        if (journal_ != nullptr)
            journal_->anchor(results_.Anchors.back());
    }
}

bool RunAnchors::journalReady(const std::string& path, bool file) {
    platform::ForgetReason(); // what fails now gives this item's cause
    if (journal_ == nullptr)
        return true;
    if (!journal_->failed())
        journal_->intent(path, file);
    if (!journal_->failed())
        return true;
    platform::NoteReason(kReasonJournal);
    return false;
}

RunAnchors::Held* RunAnchors::heldFor(const std::string& chosen) {
    if (last_ != nullptr && chosen == lastChosen_)
        return last_;
    auto found = held_.find(chosen);
    if (found == held_.end()) {
        Held held;
        open(held, chosen);
        if (!held.anchor) {
            last_ = nullptr;
            return nullptr; // asked again when the point comes again
        }
        record(*held.anchor);
        if (held_.size() >= kMostHeld) {
            identifyMade();
            held_.clear();
            above_.clear();
        }
        found = held_.emplace(chosen, std::move(held)).first;
    }
    lastChosen_ = chosen;
    last_ = &found->second;
    return last_;
}

void RunAnchors::open(Held& held, const std::string& chosen) {
    const std::string aboveText = FolderAbove(chosen);
    platform::AnchoredFolder* above = aboveText.empty() ? nullptr : heldAbove(aboveText);
    if (above == nullptr && !aboveText.empty()) {
        // Not even the folder above is there: the deepest existing folder is above both.
        held.anchor = fs_.openAnchor(aboveText, platform::AnchorReach::DeepestExisting);
        return;
    }
    held.anchor = openFrom(above, chosen, platform::AnchorReach::Exact);
    held.exact = held.anchor != nullptr;
    if (!held.exact)
        held.anchor = openFrom(above, chosen, platform::AnchorReach::DeepestExisting);
}

std::unique_ptr<platform::AnchoredFolder> RunAnchors::openExact(const std::string& chosen) {
    const std::string aboveText = FolderAbove(chosen);
    return openFrom(aboveText.empty() ? nullptr : heldAbove(aboveText), chosen,
                    platform::AnchorReach::Exact);
}

std::unique_ptr<platform::AnchoredFolder> RunAnchors::openFrom(platform::AnchoredFolder* above,
                                                               const std::string& chosen,
                                                               platform::AnchorReach reach) {
    return above != nullptr ? above->openFolder(chosen, reach) : fs_.openAnchor(chosen, reach);
}

platform::AnchoredFolder* RunAnchors::heldAbove(const std::string& above) {
    auto found = above_.find(above);
    if (found != above_.end())
        return found->second.get();
    auto opened = fs_.openAnchor(above, platform::AnchorReach::Exact);
    if (!opened)
        return nullptr; // tried again for the next point below it: the run may make it
    return above_.emplace(above, std::move(opened)).first->second.get();
}

bool RunAnchors::createFolder(const std::string& chosen, const std::string& path) {
    if (!journalReady(path, false))
        return false;
    Held* held = heldFor(chosen);
    if (held == nullptr)
        return false;
    platform::ForgetReason(); // a first try of opening the point is no cause of what follows
    made_.clear();
    const auto when = held->exact && !identifyAtOnce_ ? platform::MadeIdentity::Later
                                                      : platform::MadeIdentity::Now;
    const bool created = held->anchor->createFolder(path, &made_, when);
    if (!held->exact && !made_.empty())
        holdChosenFolder(*held, chosen);
    bool deferred = false;
    for (platform::MadeItem& item : made_) {
        if (!item.identity.known()) {
            held->unidentified.push_back(results_.FolderIdentities.size());
            deferred = true;
        }
        results_.FoldersMadeByRun.push_back(item.path);
        results_.FolderIdentities.push_back(platform::FolderIdentity::of(item.identity));
        if (journal_ != nullptr)
            journal_->made(item.path, results_.FolderIdentities.back());
    }
    if (deferred && held->unidentified.size() >= kMostUnidentified)
        identify(*held); // a long run does not hold every new name twice until its end
    else if (deferred)
        identifyWhenDue();
    return created;
}

MakeOutcome RunAnchors::makeFolder(const std::string& chosen, const std::string& path) {
    const std::size_t madeBefore = results_.FoldersMadeByRun.size();
    if (!createFolder(chosen, path))
        return MakeOutcome::Failed;
    return results_.FoldersMadeByRun.size() == madeBefore ? MakeOutcome::Existed
                                                          : MakeOutcome::Made;
}

void RunAnchors::holdChosenFolder(Held& held, const std::string& chosen) {
    auto exact = openExact(chosen);
    if (!exact)
        return;
    for (const platform::MadeItem& item : made_) {
        if (item.identity.sameObject(exact->identity())) {
            record(*exact);
            held.anchor = std::move(exact);
            held.exact = true;
            return;
        }
    }
}

void RunAnchors::identify(Held& held) {
    if (held.unidentified.empty())
        return;
    const std::vector<platform::FileIdentity> found = held.anchor->identifyDeferred();
    for (std::size_t i = 0; i < held.unidentified.size() && i < found.size(); ++i) {
        const std::size_t at = held.unidentified[i];
        if (at < results_.FolderIdentities.size()) {
            results_.FolderIdentities[at] = platform::FolderIdentity::of(found[i]);
            if (journal_ != nullptr)
                journal_->madeIdentity(at, results_.FolderIdentities[at]);
        }
    }
    held.unidentified.clear();
}

void RunAnchors::identifyMade() {
    for (auto& [chosen, held] : held_)
        identify(held);
    oldestUnidentified_.reset();
}

void RunAnchors::identifyWhenDue() {
    const auto now = std::chrono::steady_clock::now();
    if (!oldestUnidentified_)
        oldestUnidentified_ = now;
    if (now - *oldestUnidentified_ >= identityWait_)
        identifyMade();
}

bool RunAnchors::copyFile(const std::string& chosen, const std::string& source,
                          const std::string& target, platform::FileIdentity& identity) {
    return journaledCopy(chosen, target, identity, [&](platform::AnchoredFolder& anchor) {
        return anchor.copyFileInto(source, target, &identity);
    });
}

bool RunAnchors::journaledCopy(const std::string& chosen, const std::string& target,
                               platform::FileIdentity& identity,
                               const std::function<bool(platform::AnchoredFolder&)>& copy) {
    if (!journalReady(target, true))
        return false;
    Held* held = heldFor(chosen);
    if (held != nullptr)
        platform::ForgetReason();
    const bool copied = held != nullptr && copy(*held->anchor);
    if (copied && journal_ != nullptr)
        journal_->file(target, identity);
    return copied;
}

} // namespace dirforge::engine

namespace dirforge::engine {

bool RunAnchors::copyFile(const std::string& chosen, platform::AnchoredFolder& from,
                          const std::string& source, const std::string& target,
                          platform::FileIdentity& identity, platform::CopyMemory& memory) {
    return journaledCopy(chosen, target, identity, [&](platform::AnchoredFolder& anchor) {
        return anchor.copyFileFrom(from, source, target, &identity, memory);
    });
}

bool RunAnchors::writeFile(const std::string& chosen, const platform::KeptContent& content,
                           const std::string& target, platform::FileIdentity& identity) {
    return journaledCopy(chosen, target, identity, [&](platform::AnchoredFolder& anchor) {
        return anchor.writeFileInto(target, content, &identity);
    });
}

void RunAnchors::releaseFolders(const std::string& chosen) {
    if (last_ != nullptr && chosen == lastChosen_)
        last_->anchor->releaseFolders();
    else if (const auto found = held_.find(chosen); found != held_.end())
        found->second.anchor->releaseFolders();
}

} // namespace dirforge::engine
