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

/// Why a run stopped by itself: its undo journal could not be written (cause: the system's text).
std::string JournalStoppedText(const std::string& cause, std::uint64_t done, std::uint64_t total);
/// Added when even the last try could not write the last item's records.
inline constexpr const char* kJournalLastItemText =
    "Only the last item made is missing from the journal; the report names it.";

} // namespace dirforge::engine
