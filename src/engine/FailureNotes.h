#pragma once
// What a run could not make or read below its new folders. Each such item is counted under
// "other reasons" as it happens; the run ends with one warning per kind of failure, naming a
// few of the items with their causes, instead of one message box per item.

#include "platform/Prompt.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace dirforge::engine {

enum class FailureCause { SubfolderNotMade, FileNotCopied, FolderNotRead, NotCopiable };

class FailureNotes {
public:
    /// keepEvery: also keeps every note in order, for another FailureNotes to take (a worker's).
    explicit FailureNotes(bool keepEvery = false) : keepEvery_(keepEvery) {}
    /// Notes again, in their order, the notes other kept, and lets other forget them.
    void takeFrom(FailureNotes& other);
    /// Notes one failure of the given kind at path, and why (reason).
    void note(FailureCause cause, const std::string& path, const std::string& reason);
    /// Shows one warning per kind noted (under title), then forgets them.
    void report(platform::Prompt& prompt, const char* title);
    /// The warning text of one kind: how many, and the first few paths with their causes.
    std::string textOf(FailureCause cause) const;

private:
    struct Noted {
        std::size_t count = 0;
        std::vector<std::string> examples;
        std::vector<std::string> reasons; ///< beside examples
    };
    struct Note {
        FailureCause cause;
        std::string path, reason;
    };
    std::array<Noted, 4> noted_;
    bool keepEvery_ = false;
    std::vector<Note> every_;
};

} // namespace dirforge::engine
