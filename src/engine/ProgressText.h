#pragma once
// The words of long work in progress, shared by the window and the batch front end: how many
// of how many items are done, the rate and the time left; and the closing text of stopped work.

#include <cstdint>
#include <string>

namespace dirforge::engine {

/// "12345 of 100000 done, 4321 per second, 0:21 left"; rate and time left only once measurable.
std::string ProgressText(std::uint64_t done, std::uint64_t total, double elapsedSeconds);

/// What was stopped: a real run, a simulation or an undo.
enum class StoppedWork { Run, Simulation, Undo };

/// The closing message of work stopped after done of total items.
std::string StoppedText(StoppedWork work, std::uint64_t done, std::uint64_t total);

} // namespace dirforge::engine
