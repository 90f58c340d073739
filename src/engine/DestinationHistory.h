#pragma once
// The destination history of a page after a run: its destination first, the rest in order.

#include <string>
#include <vector>

namespace dirforge::engine {

/// The history's new entries: every non-empty trimmed entry, the destination (trimmed) first,
/// an entry equal to an earlier one ignoring case left out. The first entry is the one to select.
std::vector<std::string> UpdateDestinationHistory(const std::vector<std::string>& entries,
                                                  const std::string& destination);

} // namespace dirforge::engine
