#pragma once
// Files named on the command line (name and path lists, template files, journals), read with a
// limit so that a huge file or an endless device (/dev/zero) is refused with a reason instead of
// exhausting memory. Pipes and /dev/stdin are read as they come.

#include "platform/FileSystem.h"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace dirforge::cli {

/// The most a list or template file may hold.
inline constexpr std::uint64_t kListFileLimit = std::uint64_t{256} << 20;

/// The whole text of file (drive form); throws UsageError naming option and saying why when it
/// cannot be read, is over limit, or holds a NUL byte (with its line).
std::string ReadInputFile(const platform::FileSystem& fs, const std::string& file,
                          const std::string& option, std::uint64_t limit);

/// The text of a list or template file, decoded to UTF-8 as the window's import decodes it (a
/// wide encoding's NUL bytes are text); a guessed encoding is named in one line on err. Throws
/// as ReadInputFile, with kListFileLimit.
std::string ReadListInputFile(const platform::FileSystem& fs, const std::string& file,
                              const std::string& option, std::ostream& err);

} // namespace dirforge::cli
