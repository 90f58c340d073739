#include "engine/FailureNotes.h"

#include "core/ListReports.h"

#include <algorithm>

namespace dirforge::engine {

namespace {

const char* HeadingOf(FailureCause cause) {
    switch (cause) {
    case FailureCause::SubfolderNotMade:
        return "Subfolders that could not be created (counted under other reasons) : ";
    case FailureCause::FileNotCopied:
        return "Files that could not be copied (counted under other reasons) : ";
    case FailureCause::FolderNotRead:
        break;
    }
    return "Structure folders that could not be read (their content was not copied) : ";
}

constexpr FailureCause kCauses[] = {FailureCause::SubfolderNotMade, FailureCause::FileNotCopied,
                                    FailureCause::FolderNotRead};

} // namespace

void FailureNotes::note(FailureCause cause, const std::string& path) {
    Noted& noted = noted_[static_cast<std::size_t>(cause)];
    const bool named =
        std::find(noted.examples.begin(), noted.examples.end(), path) != noted.examples.end();
    // An unreadable structure folder fails again for every new folder: it is counted once.
    if (named && cause == FailureCause::FolderNotRead)
        return;
    ++noted.count;
    if (!named && noted.examples.size() < core::ReportListLimit)
        noted.examples.push_back(path);
}

std::string FailureNotes::textOf(FailureCause cause) const {
    const Noted& noted = noted_[static_cast<std::size_t>(cause)];
    std::string text = HeadingOf(cause) + std::to_string(noted.count);
    for (const std::string& path : noted.examples)
        text += "\n" + path;
    if (noted.count > noted.examples.size())
        text += "\n  more left";
    return text;
}

void FailureNotes::report(platform::Prompt& prompt, const char* title) {
    for (const FailureCause cause : kCauses)
        if (noted_[static_cast<std::size_t>(cause)].count > 0)
            prompt.warn(textOf(cause), title);
    noted_ = {};
}

} // namespace dirforge::engine
