#include "lists/ListEditRules.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "lists/ComposedForm.h"

namespace dirforge::lists {

std::vector<std::string> EditedEntries(const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    entries.reserve(lines.size());
    for (const auto& line : lines) {
        std::string trimmed = core::Trim(line);
        if (!trimmed.empty())
            entries.push_back(ComposedForm(core::NormalizePath(std::move(trimmed))));
    }
    return entries;
}

std::vector<std::string> PreviewValues(std::vector<std::string> values) {
    std::vector<std::string> kept;
    kept.reserve(values.size());
    for (auto& value : values) {
        std::string trimmed = core::Trim(value);
        if (!trimmed.empty())
            kept.push_back(ComposedForm(std::move(trimmed)));
    }
    return kept;
}

} // namespace dirforge::lists
