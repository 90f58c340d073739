#include "cli/LogCollector.h"

namespace dirforge::cli {

ResultLists ListsOf(const engine::RunResults& results) {
    ResultLists lists;
    for (int i = 0; i < engine::ResultListCount; ++i)
        lists[static_cast<std::size_t>(i)] = results.list(static_cast<engine::ResultList>(i));
    return lists;
}

void LogCollector::resetLog(bool /*realRun*/) {
    for (auto& list : lists_)
        list.clear();
    causes_ = {};
    lastListed_.clear();
}

void LogCollector::recorded(engine::ResultList list, const std::string& path) {
    lists_[static_cast<std::size_t>(list)].push_back(path);
    if (list == engine::ResultList::FoldersOther || list == engine::ResultList::FoldersFailedUndo)
        lastListed_ = path;
}

void LogCollector::failed(const std::string& path, const std::string& reason) {
    // A cause comes right after its entry is listed; one without an entry is shown apart.
    const bool fresh = causes_.byPath.insert_or_assign(path, reason).second;
    if (fresh && path != lastListed_)
        causes_.unlisted.push_back(path);
}

} // namespace dirforge::cli
