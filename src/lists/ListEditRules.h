#pragma once
// The rules by which an edited or imported text becomes list entries.

#include <string>
#include <vector>

namespace dirforge::lists {

/// The entries an editor considers: non-blank lines, trimmed, in NormalizePath and composed form.
std::vector<std::string> EditedEntries(const std::vector<std::string>& lines);

/// Values that may enter the import preview: trimmed, in composed form, blank ones dropped, in
/// order.
std::vector<std::string> PreviewValues(std::vector<std::string> values);

} // namespace dirforge::lists
