#pragma once
// The batch front end: runs a creation, a simulation or an undo without a window and reports
// what it did.

#include "cli/BatchOptions.h"

#include <ostream>

namespace dirforge::cli {

/// Carries out parsed options; the report goes to out, messages and errors to err. Returns the
/// exit status (see ExitStatus).
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);

/// Parses the command line and runs it: the whole program.
int BatchMain(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace dirforge::cli
