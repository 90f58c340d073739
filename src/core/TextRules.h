#pragma once
// Separator normalisation and the small text utilities every path rule builds on.

#include <string>
#include <string_view>

namespace dirforge::core {

/// Every "/" replaced by "\".
std::string ToBackslashes(std::string text);
/// Every "\" replaced by "/".
std::string ToForwardSlashes(std::string text);
/// "\\" collapsed to "\" until none is left.
std::string CollapseBackslashes(std::string text);
/// "//" collapsed to "/" until none is left.
std::string CollapseForwardSlashes(std::string text);
/// "::" collapsed to ":" until none is left.
std::string CollapseColons(std::string text);
/// CollapseBackslashes(ToBackslashes(text)).
std::string NormalizePath(std::string text);
/// Leading and trailing blanks (code 32 only) removed.
std::string TrimSpaces(std::string_view text);
/// Leading and trailing characters with codes 0 to 32 removed, and with them the invisible
/// format characters U+200B to U+200D, U+2060 and U+FEFF (UTF-8).
std::string Trim(std::string_view text);
/// True when text holds one of the invisible format characters Trim removes at the ends.
bool HoldsInvisibleCharacter(std::string_view text);

/// Drive part (up to and including the first ":") and remainder; false when there is no colon.
bool SplitAtColon(std::string_view text, std::string& drive, std::string& remainder);
/// Text after the last "." standing after the last "\" (after ToBackslashes), else "noext".
std::string FileExtension(std::string path);
/// Number of "\" plus number of "/": the depth of a path.
unsigned CountSeparators(std::string_view text);
/// Number of ":".
int CountColons(std::string_view text);
/// True when the first character is "\".
bool StartsWithBackslash(std::string_view text);

/// ToBackslashes, CollapseBackslashes and CollapseColons: the form every composed target takes.
std::string NormalizeTarget(std::string text);

} // namespace dirforge::core
