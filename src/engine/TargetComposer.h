#pragma once
// How a page turns one of its names into a target folder path.

#include <string>
#include <string_view>

namespace dirforge::engine {

/// The framing of a target: head + name + joiner + suffix + tail.
struct _tagVol0XParts {
    std::string head;
    std::string name;
    std::string joiner;
    std::string suffix;
    std::string tail;
};

/// Strings and numbers pages: head = trimmed destination + "\" + prefix (+ "-"), built once a run.
_tagVol0XParts BuildDestinationParts(std::string_view destination, const std::string& prefix,
                                     const std::string& suffix, bool hyphen);
/// head + item + joiner + suffix, then ToBackslashes, CollapseBackslashes, CollapseColons.
std::string ComposeTarget(const _tagVol0XParts& parts, std::string_view item);
/// head + item + joiner + suffix as it stands (the numbers page and the strings simulation).
std::string JoinParts(const _tagVol0XParts& parts, std::string_view item);

/// Paths page: the text after the last "\" or ":".
std::string LastElement(std::string_view path);
/// Paths page: the path up to its last "\" (kept right after a drive colon); the drive alone
/// ("f:") when the path has no backslash.
std::string FolderPart(std::string_view path);
/// Paths page: the parts of one INCLUDE entry (a file path stands for its folder).
_tagVol0XParts BuildPathParts(std::string_view entry, const std::string& prefix,
                              const std::string& suffix, bool hyphen);
/// Paths page: the target of one INCLUDE entry, without separator normalisation.
std::string ComposePathTarget(std::string_view entry, const std::string& prefix,
                              const std::string& suffix, bool hyphen);

/// Trimmed destination with a trailing backslash (lastDestination).
std::string DestinationWithBackslash(std::string_view destination);

} // namespace dirforge::engine
