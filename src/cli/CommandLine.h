#pragma once
// The batch front end's command line: subcommands strings, paths, numbers and undo.

#include "cli/BatchOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace dirforge::cli {

/// Reads keep, drop-first, replace-first or replace-text=TEXT into a template-options record;
/// false with a message for anything else.
bool ParseTemplateOption(const std::string& text, engine::_tagFoldersTemplateOptions& record,
                         std::string& error);

/// The checks of a creation command's options that CLI11 cannot express: a source of names, a
/// destination, a range, and attach options only with their mode. "" when they pass. Runs after
/// the profile (if any) has filled the options not given.
std::string CheckRunOptions(const BatchOptions& options);

/// Parses argv into options. Returns an exit status when the program should end here: 0 after
/// --help or --version (printed to out), ExitUsage after a usage error (explained on err); nullopt
/// to go on.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, BatchOptions& options,
                                    std::ostream& out, std::ostream& err);

} // namespace dirforge::cli
