#include "engine/RunAnchors.h"

namespace dirforge::engine {

namespace {

/// Chosen points held open at once; when more come, all are identified, closed and reopened
/// as they come again.
constexpr std::size_t kMostHeld = 256;

/// New folders of one chosen folder that wait for their identities at most: their names are
/// held until then, and one listing that stops once it has named them all identifies them.
constexpr std::size_t kMostUnidentified = 16384;

} // namespace

RunAnchors::~RunAnchors() {
    identifyMade();
}

void RunAnchors::record(const platform::AnchoredFolder& anchor) {
    if (recorded_.insert(anchor.path()).second)
        results_.Anchors.push_back({anchor.path(), anchor.identity()});
}

RunAnchors::Held* RunAnchors::heldFor(const std::string& chosen) {
    if (last_ != nullptr && chosen == lastChosen_)
        return last_;
    auto found = held_.find(chosen);
    if (found == held_.end()) {
        Held held;
        held.anchor = fs_.openAnchor(chosen, platform::AnchorReach::Exact);
        held.exact = held.anchor != nullptr;
        if (!held.anchor)
            held.anchor = fs_.openAnchor(chosen, platform::AnchorReach::DeepestExisting);
        if (!held.anchor) {
            last_ = nullptr;
            return nullptr; // asked again when the point comes again
        }
        record(*held.anchor);
        if (held_.size() >= kMostHeld) {
            identifyMade();
            held_.clear();
        }
        found = held_.emplace(chosen, std::move(held)).first;
    }
    lastChosen_ = chosen;
    last_ = &found->second;
    return last_;
}

bool RunAnchors::createFolder(const std::string& chosen, const std::string& path) {
    Held* held = heldFor(chosen);
    if (held == nullptr)
        return false;
    made_.clear();
    const auto when = held->exact ? platform::MadeIdentity::Later : platform::MadeIdentity::Now;
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
    auto exact = fs_.openAnchor(chosen, platform::AnchorReach::Exact);
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
        if (at < results_.FolderIdentities.size())
            results_.FolderIdentities[at] = platform::FolderIdentity::of(found[i]);
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
    Held* held = heldFor(chosen);
    return held != nullptr && held->anchor->copyFileInto(source, target, &identity);
}

} // namespace dirforge::engine
