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
        return "Structure folders that could not be read (their content was not copied) : ";
    case FailureCause::NotCopiable:
        break;
    }
    return "Links and special files of the structures, never copied (counted under other "
           "reasons) : ";
}

constexpr FailureCause kCauses[] = {FailureCause::SubfolderNotMade, FailureCause::FileNotCopied,
                                    FailureCause::FolderNotRead, FailureCause::NotCopiable};

/// A structure's own item fails again for every new folder: it is counted once.
bool CountedOnce(FailureCause cause) {
    return cause == FailureCause::FolderNotRead || cause == FailureCause::NotCopiable;
}

} // namespace

void FailureNotes::takeFrom(FailureNotes& other) {
    for (const Note& note : other.every_)
        this->note(note.cause, note.path, note.reason);
    other.every_.clear();
    other.noted_ = {};
}

void FailureNotes::note(FailureCause cause, const std::string& path, const std::string& reason) {
    if (keepEvery_)
        every_.push_back({cause, path, reason});
    Noted& noted = noted_[static_cast<std::size_t>(cause)];
    const bool named =
        std::find(noted.examples.begin(), noted.examples.end(), path) != noted.examples.end();
    if (named && CountedOnce(cause))
        return;
    ++noted.count;
    if (!named && noted.examples.size() < core::ReportListLimit) {
        noted.examples.push_back(path);
        noted.reasons.push_back(reason);
    }
}

std::string FailureNotes::textOf(FailureCause cause) const {
    const Noted& noted = noted_[static_cast<std::size_t>(cause)];
    std::string text = HeadingOf(cause) + std::to_string(noted.count);
    for (std::size_t i = 0; i < noted.examples.size(); ++i)
        text += "\n" + noted.examples[i] + "  (" + noted.reasons[i] + ")";
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
