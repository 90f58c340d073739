#pragma once
// The causes the engine gives itself, beside those the platform notes for a failing call
// (platform::TakeReason): short lower-case texts, shown after a path.

namespace dirforge::engine {

inline constexpr const char* kReasonFullPathAsName = "a full path where a name is expected";
inline constexpr const char* kReasonNoDrive = "no drive letter";
inline constexpr const char* kReasonClimbs = "a \"..\" element would leave the folder";
inline constexpr const char* kReasonEmptyTemplate = "the template line gives no folder";
inline constexpr const char* kReasonNotMade = "could not be created";
inline constexpr const char* kReasonNotCopied = "could not be copied";
inline constexpr const char* kReasonNotRead = "could not be read";
inline constexpr const char* kReasonLinkInStructure = "a link (links are never followed)";
inline constexpr const char* kReasonJournal = "the undo journal could not be written";
inline constexpr const char* kReasonNotRemoved = "could not be removed";
inline constexpr const char* kReasonAnchorReplaced =
    "the folder the run made it in is another folder now";
inline constexpr const char* kReasonNotReached = "not tried yet: the undo was stopped";
inline constexpr const char* kReasonNoAnchor = "not below a folder the run made it in";

} // namespace dirforge::engine
