#pragma once
// Guards against paths that climb out of the folder they are meant to stay in.

#include <string_view>

namespace dirforge::core {

/// True when a path element (between "\" or "/" separators) is exactly "..".
/// "..dotsdir" and "a..b" are ordinary names.
bool HasParentElement(std::string_view path);

} // namespace dirforge::core
