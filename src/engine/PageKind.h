#pragma once
// The three creation pages. Their differences (titles, target composition, undo plans) are
// data selected by this value.

#include <cstdint>

namespace dirforge::engine {

enum class PageKind { Strings, Paths, Numbers };

/// The page's key in MAP_FOLDER_TEMPLATE_OPTIONS: 1 paths, 2 strings, 3 increased numbers.
constexpr std::int32_t TemplatePageNumber(PageKind page) {
    return page == PageKind::Paths ? 1 : page == PageKind::Strings ? 2 : 3;
}

} // namespace dirforge::engine
