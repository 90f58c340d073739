#pragma once
// Fills what a page would supply to a run from the batch command line: names or range,
// destination, framing, attach choice, structures or template lines and the template option.

#include "cli/BatchOptions.h"
#include "cli/PathArguments.h"
#include "engine/RunRequest.h"
#include "platform/FileSystem.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace dirforge::cli {

/// The page whose run a creation command drives.
engine::PageKind PageOf(Command command);

/// The non-blank lines of a plain text file read through the list import reader (file in
/// drive form), trimmed; a guessed encoding is named on err. Throws UsageError when it cannot be
/// read or is not text.
std::vector<std::string> ReadListFile(const platform::FileSystem& fs, const std::string& file,
                                      const std::string& option, std::ostream& err);

/// A folder or file argument in drive form; throws UsageError naming the option otherwise.
std::string DriveArgument(const PathArguments& paths, const std::string& argument,
                          const std::string& option);

/// The run request of a creation command. templateOptions must outlive the request (it points
/// there). A names or paths file is read under the page's list rule, the lines it leaves out
/// counted on err. Throws UsageError for a file that cannot be read, a structure folder that does
/// not exist or template lines that are not relative paths.
engine::RunRequest BuildRunRequest(const BatchOptions& options, const platform::FileSystem& fs,
                                   const PathArguments& paths,
                                   engine::MAP_FOLDER_TEMPLATE_OPTIONS& templateOptions,
                                   std::ostream& err);

} // namespace dirforge::cli
