#pragma once
// The checks a structure import runs over the preview before taking it.

#include <string>
#include <vector>

namespace dirforge::lists {

/// The preview as relative template paths: drive letters, illegal characters, colons and a
/// missing leading backslash are reported. True when anything was found; report holds it.
bool CheckImportedRelativePaths(const std::vector<std::string>& preview, std::string& report);

/// The preview as full paths: missing drive letters, illegal characters and more than one
/// colon are reported. True when anything was found; report holds it.
bool CheckImportedFullPaths(const std::vector<std::string>& preview, std::string& report);

} // namespace dirforge::lists
