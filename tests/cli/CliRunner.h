#pragma once
// Runs the built dirforge-cli as a child process on a TempDrives fixture: DIRFORGE_DRIVES maps
// f: and g: to the fixture's drives and the current folder is the fixture's host root.

#include "engine/RunJournal.h"
#include "support/TempDrives.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace dirforge::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;

    /// stdout parsed as JSON (fails the test and gives null when it is not JSON).
    nlohmann::json json() const;
};

/// A dirforge-cli started and not yet waited for.
struct CliChild {
    int pid = -1;
    std::string outPath;
    std::string errPath;
};

/// Starts dirforge-cli with args as RunCli does, without waiting for it.
CliChild StartCli(const TempDrives& drives, const std::vector<std::string>& args,
                  const std::string& drivesOverride = {});
/// Waits for a started dirforge-cli and collects what it printed.
CliResult WaitCli(CliChild& child);

/// Runs dirforge-cli with args; drivesOverride replaces the DIRFORGE_DRIVES value when not empty.
CliResult RunCli(const TempDrives& drives, const std::vector<std::string>& args,
                 const std::string& drivesOverride = {});

/// The undo journal at name in the fixture's host root, read as the undo reads it (fails the
/// test and gives an empty journal when it is not one).
engine::RunJournal JournalIn(const TempDrives& drives, const std::string& name = "j.json");

/// DIRFORGE_DRIVES text mapping f: and g: of the fixture.
std::string DrivesEnvironment(const TempDrives& drives);

} // namespace dirforge::testing
