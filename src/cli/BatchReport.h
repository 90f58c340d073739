#pragma once
// What the batch front end prints after a run or an undo: the 16 counters, the failed-undo
// count and the six result lists, as text or as one JSON object.

#include "cli/LogCollector.h"
#include "cli/TerminalPrompt.h"
#include "engine/RunResults.h"

#include <ostream>
#include <string>
#include <vector>

namespace dirforge::cli {

/// The counter grid, the failed-undo count and every non-empty list, one path a line, followed by
/// its cause where it has one ("  f:\D\A  (permission denied)"), then what was not made or
/// copied below the new folders with its cause. After an undo, keptFiles are the files it could
/// not (or would not) delete, counted and listed too.
void PrintSummary(std::ostream& out, const engine::RunCounters& counters, const ResultLists& lists,
                  const ReportCauses& causes, const std::vector<std::string>* keptFiles = nullptr,
                  const std::vector<std::string>* gone = nullptr);

/// {"counters": ..., "lists": ..., "reasons": {path: cause}, "messages": [...]} on one line;
/// text that is not valid UTF-8 is shown with replacement characters. After an undo,
/// counters.failedUndoFiles and lists.filesFailedUndo give the files it kept, counters.alreadyGone
/// and lists.alreadyGone what it found already gone.
std::string JsonReport(const engine::RunCounters& counters, const ResultLists& lists,
                       const ReportCauses& causes, const std::vector<ShownMessage>& messages,
                       const std::vector<std::string>* keptFiles = nullptr,
                       const std::vector<std::string>* gone = nullptr);

} // namespace dirforge::cli
