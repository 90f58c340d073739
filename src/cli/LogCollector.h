#pragma once
// The batch front end's visual log: it keeps the six lists a run reports, which is what a
// simulation shows (a simulation journals nothing in the result store).

#include "engine/RunResults.h"

#include <array>
#include <string>
#include <vector>

namespace dirforge::cli {

/// The six result lists in the visual log's order (engine::ResultList indexes them).
using ResultLists = std::array<std::vector<std::string>, engine::ResultListCount>;

/// The six shown lists of a result store.
ResultLists ListsOf(const engine::RunResults& results);

class LogCollector : public engine::RunObserver {
public:
    void resetLog(bool realRun) override;
    void recorded(engine::ResultList list, const std::string& path) override;

    const ResultLists& lists() const { return lists_; }

private:
    ResultLists lists_;
};

} // namespace dirforge::cli
