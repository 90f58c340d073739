#include "engine/ProgressText.h"

#include <cmath>
#include <cstdio>

namespace dirforge::engine {

namespace {

/// Below this much time or work the rate says nothing yet.
constexpr double kMeasurableSeconds = 0.2;

/// "m:ss", or "h:mm:ss" from an hour on.
std::string Duration(double seconds) {
    const auto whole = static_cast<std::uint64_t>(std::ceil(seconds));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%llu:%02llu:%02llu",
                      static_cast<unsigned long long>(whole / 3600),
                      static_cast<unsigned long long>(whole / 60 % 60),
                      static_cast<unsigned long long>(whole % 60));
    else
        std::snprintf(text, sizeof text, "%llu:%02llu", static_cast<unsigned long long>(whole / 60),
                      static_cast<unsigned long long>(whole % 60));
    return text;
}

} // namespace

std::string ProgressText(std::uint64_t done, std::uint64_t total, double elapsedSeconds) {
    std::string text = std::to_string(done) + " of " + std::to_string(total) + " done";
    if (done == 0 || elapsedSeconds < kMeasurableSeconds)
        return text;
    const double rate = static_cast<double>(done) / elapsedSeconds;
    text += ", " + std::to_string(static_cast<std::uint64_t>(std::llround(rate))) + " per second";
    if (done < total)
        text += ", " + Duration(static_cast<double>(total - done) / rate) + " left";
    return text;
}

std::string JournalStoppedText(const std::string& cause, std::uint64_t done, std::uint64_t total) {
    return "The undo journal could not be written (" + cause + "); the run was stopped after " +
           std::to_string(done) + " of " + std::to_string(total) +
           " items. Everything made so far can be undone.";
}

std::string StoppedText(StoppedWork work, std::uint64_t done, std::uint64_t total) {
    const std::string counted = " was stopped after " + std::to_string(done) + " of " +
                                std::to_string(total) + " items !!!\n";
    switch (work) {
    case StoppedWork::Run:
        return "The run" + counted +
               "Everything created so far is listed in the visual log and can be undone.";
    case StoppedWork::Simulation:
        return "The simulation" + counted +
               "\nNo actual Folders were Created because of Simulation.";
    case StoppedWork::Undo:
        break;
    }
    return "The undo" + counted +
           "What was not removed yet is listed under Failed UNDO and is removed by the next Undo.";
}

} // namespace dirforge::engine
