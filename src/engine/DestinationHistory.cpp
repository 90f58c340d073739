#include "engine/DestinationHistory.h"

#include "core/CaseFold.h"
#include "core/TextRules.h"

#include <set>

namespace dirforge::engine {

std::vector<std::string> UpdateDestinationHistory(const std::vector<std::string>& entries,
                                                  const std::string& destination) {
    const std::string current = core::Trim(destination);
    std::vector<std::string> ordered;
    if (!current.empty())
        ordered.push_back(current);
    for (const std::string& entry : entries) {
        std::string trimmed = core::Trim(entry);
        if (!trimmed.empty() && trimmed != current)
            ordered.push_back(std::move(trimmed));
    }
    std::vector<std::string> history;
    std::set<std::string> seen;
    for (std::string& entry : ordered)
        if (seen.insert(core::FoldCase(entry)).second)
            history.push_back(std::move(entry));
    return history;
}

} // namespace dirforge::engine
