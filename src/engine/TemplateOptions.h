#pragma once
// One page's template option and the application-wide map of them. The map's keys are the
// integers settings files store (1 paths page, 2 strings page, 3 increased-numbers page);
// TemplateOptionsKey is the one place that turns a page into its key.

#include "engine/PageKind.h"

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

/// The page's key in MAP_FOLDER_TEMPLATE_OPTIONS as settings files store it: 1 paths,
/// 2 strings, 3 increased numbers.
constexpr std::int32_t TemplateOptionsKey(PageKind page) {
    switch (page) {
    case PageKind::Paths:
        return 1;
    case PageKind::Strings:
        return 2;
    case PageKind::Numbers:
        break;
    }
    return 3;
}

} // namespace dirforge::engine
