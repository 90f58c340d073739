#pragma once
// The three creation pages. Their differences (titles, target composition, undo plans, control
// names) are data selected by this value: it is a page's one identity in the code.

namespace dirforge::engine {

enum class PageKind { Strings, Paths, Numbers };

} // namespace dirforge::engine
