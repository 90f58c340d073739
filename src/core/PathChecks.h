#pragma once
// Single-text checks for names and paths. Each returns yes/no and, where the caller shows a
// warning, a message body; the caller adds its own title. No file-system access.

#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

/// Characters refused in a folder name: prefixes and suffixes.
inline constexpr std::string_view FolderNameChars = ":\"*[];|<>?!\\/";
/// Characters refused in a relative path: the strings page's names; both slashes are allowed.
inline constexpr std::string_view RelativePathChars = ":*\"[];|<>?!";
/// Characters refused in a full path; colon and backslash are allowed.
inline constexpr std::string_view FullPathChars = "/\"*|<>?";

/// Which of the three character sets a text is checked against.
enum class IllegalCharSet { FolderName, RelativePath, FullPath };

/// A full path of this many characters or more is refused.
inline constexpr std::size_t MaxPathLength = 255;

/// True for A-Z and a-z only.
bool IsAsciiLetter(char c);

/// The characters of a set.
std::string_view IllegalCharsFor(IllegalCharSet set);
/// Collects the characters of text that are in the set, each preceded by a blank, in order.
/// True when text holds none of them.
bool CheckIllegalChars(IllegalCharSet set, std::string_view text, std::string& found);

/// Drive part of a path: "f:" when the second character is a colon, "\\server\share" for a
/// network path, otherwise "". The path is taken as it is (callers trim first).
std::string DrivePart(std::string_view path);
/// True when the trimmed path has a drive part.
bool HasDrivePart(std::string_view path);

/// Accepts a non-empty text free of full-path illegal characters and gives its normalized form
/// (backslashes, no doubled separators or colons). On refusal message holds why.
bool CheckIncludeText(std::string_view text, std::string& normalized, std::string& message);
/// Accepts a path with a drive part, a folder below the root and no illegal characters.
bool CheckFolderPath(std::string_view path, std::string& message);
/// Accepts a text whose every colon follows an ASCII letter and is neither first nor last.
bool AnalyzeColons(std::string_view text, std::string& message);
/// Colons, folder path and length check of one full path; the normalized path goes to passed or
/// to failed (the other is cleared). True when it passed.
bool ValidateFullPath(std::string_view path, std::string& passed, std::string& failed);

/// Splits a text holding several full paths ("f:\A g:\B") at each following drive letter.
std::vector<std::string> SplitFullPaths(std::string_view text);
/// CheckIncludeText, then replaces list by the full paths found in the normalized text.
/// Refuses (list untouched) when the text is not acceptable or holds no full path.
bool AddFullPathsFromText(std::vector<std::string>& list, std::string_view text,
                          std::string& message);

/// True when destination and source are acceptable texts that name different folders (case
/// ignored); otherwise message says why.
bool CheckSameSource(std::string_view destination, std::string_view source, std::string& message);

} // namespace dirforge::core
