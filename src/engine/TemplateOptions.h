#pragma once
// One page's template option and the application-wide map of them, keyed by page number
// (1 paths page, 2 strings page, 3 increased-numbers page).

#include <cstdint>
#include <map>
#include <string>

namespace dirforge::engine {

/// How a template line becomes a subfolder path; exactly one flag is 1 in a stored record.
struct _tagFoldersTemplateOptions {
    std::uint8_t ReplaceNo = 1;
    std::uint8_t ReplaceRemainder = 0;
    std::string RemainderText;
    std::uint8_t ReplaceFirst = 0;
    std::uint8_t ReplaceAll = 0;

    bool operator==(const _tagFoldersTemplateOptions&) const = default;
};

using MAP_FOLDER_TEMPLATE_OPTIONS = std::map<std::int32_t, _tagFoldersTemplateOptions>;

/// Page numbers used as keys of MAP_FOLDER_TEMPLATE_OPTIONS.
enum TemplatePage : std::int32_t { PathsPage = 1, StringsPage = 2, NumbersPage = 3 };

} // namespace dirforge::engine
