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

/// The causes a report shows: by path, and, in the order they came, the paths given one that
/// stand in no list (what was not made or copied below the new folders).
struct ReportCauses {
    engine::FailureReasons byPath;
    std::vector<std::string> unlisted;
};

class LogCollector : public engine::RunObserver {
public:
    void resetLog(bool realRun) override;
    void recorded(engine::ResultList list, const std::string& path) override;
    void failed(const std::string& path, const std::string& reason) override;

    const ResultLists& lists() const { return lists_; }
    const ReportCauses& causes() const { return causes_; }

private:
    ResultLists lists_;
    ReportCauses causes_;
    /// The path recorded last in a list whose entries get a cause.
    std::string lastListed_;
};

} // namespace dirforge::cli
