#include "engine/RunAnchors.h"

namespace dirforge::engine {

void RunAnchors::record(const platform::AnchoredFolder& anchor) {
    if (recorded_.insert(anchor.path()).second)
        results_.Anchors.push_back({anchor.path(), anchor.identity()});
}

platform::AnchoredFolder* RunAnchors::anchorFor(const std::string& chosen) {
    if (anchor_ && chosen == chosen_)
        return anchor_.get();
    auto anchor = fs_.openAnchor(chosen, platform::AnchorReach::Exact);
    exact_ = anchor != nullptr;
    if (!anchor)
        anchor = fs_.openAnchor(chosen, platform::AnchorReach::DeepestExisting);
    if (!anchor) {
        anchor_.reset();
        chosen_.clear();
        return nullptr;
    }
    record(*anchor);
    anchor_ = std::move(anchor);
    chosen_ = chosen;
    return anchor_.get();
}

bool RunAnchors::createFolder(const std::string& chosen, const std::string& path) {
    platform::AnchoredFolder* anchor = anchorFor(chosen);
    if (anchor == nullptr)
        return false;
    made_.clear();
    const bool created = anchor->createFolder(path, &made_);
    if (!exact_ && !made_.empty())
        holdChosenFolder();
    for (platform::MadeItem& item : made_) {
        results_.FoldersMadeByRun.push_back(std::move(item.path));
        results_.FolderIdentities.push_back(item.identity);
    }
    return created;
}

MakeOutcome RunAnchors::makeFolder(const std::string& chosen, const std::string& path) {
    const std::size_t madeBefore = results_.FoldersMadeByRun.size();
    if (!createFolder(chosen, path))
        return MakeOutcome::Failed;
    return results_.FoldersMadeByRun.size() == madeBefore ? MakeOutcome::Existed
                                                          : MakeOutcome::Made;
}

void RunAnchors::holdChosenFolder() {
    auto chosen = fs_.openAnchor(chosen_, platform::AnchorReach::Exact);
    if (!chosen)
        return;
    for (const platform::MadeItem& item : made_) {
        if (item.identity.sameObject(chosen->identity())) {
            record(*chosen);
            anchor_ = std::move(chosen);
            exact_ = true;
            return;
        }
    }
}

bool RunAnchors::copyFile(const std::string& chosen, const std::string& source,
                          const std::string& target, platform::FileIdentity& identity) {
    platform::AnchoredFolder* anchor = anchorFor(chosen);
    return anchor != nullptr && anchor->copyFileInto(source, target, &identity);
}

} // namespace dirforge::engine
