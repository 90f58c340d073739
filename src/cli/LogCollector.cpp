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
}

void LogCollector::recorded(engine::ResultList list, const std::string& path) {
    lists_[static_cast<std::size_t>(list)].push_back(path);
}

} // namespace dirforge::cli
