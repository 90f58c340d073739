#pragma once
// What the list editors share when they rebuild a list from its edited lines.

#include "lists/ListEditRules.h"

#include <string>
#include <vector>

namespace dirforge::platform {
class DriveMap;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

/// The entries that pass keep(), in order.
template <typename Keep>
std::vector<std::string> EntriesWhere(const std::vector<std::string>& lines, Keep keep) {
    std::vector<std::string> kept;
    for (auto& entry : lists::EditedEntries(lines))
        if (keep(entry))
            kept.push_back(std::move(entry));
    return kept;
}

/// Full-path lines in drive form: host paths and drive paths with forward slashes converted. False
/// (after the mapped-drives warning) when a host path lies on no mapped drive.
bool FullPathLinesToDrive(std::vector<std::string>& lines, const platform::DriveMap& drives,
                          platform::Prompt& prompt);

} // namespace dirforge::ui
