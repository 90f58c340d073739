#include "core/PathChecks.h"

#include "core/CaseFold.h"
#include "core/TextRules.h"
#include "core/Utf8.h"

namespace dirforge::core {

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

// A drive letter, digit or punctuation after a colon marks the start of a path.
bool startsPathBody(char c) {
    return IsAsciiLetter(c) || isAsciiDigit(c) || isAsciiPunctuation(c);
}

// "\\server\share" from "\\server\share\rest"; the whole text when it has no further separator.
std::string networkDrivePart(std::string_view path) {
    const auto serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos)
        return std::string(path);
    const auto shareEnd = path.find('\\', serverEnd + 1);
    return std::string(path.substr(0, shareEnd));
}

// Start of the next full path at or after from, or npos.
std::size_t findPathStart(const std::string& text, std::size_t from) {
    for (std::size_t search = from;;) {
        const auto colon = text.find(':', search);
        if (colon == std::string::npos)
            return std::string::npos;
        search = colon + 1;
        if (colon == from || colon + 1 == text.size())
            continue;
        if (!startsPathBody(text[colon + 1]))
            continue;
        return IsAsciiLetter(text[colon - 1]) ? colon - 1 : colon;
    }
}

// End (exclusive) of the path starting at start: just before the next drive letter.
std::size_t findPathEnd(const std::string& text, std::size_t start) {
    const auto colon = text.find(':', start + 2);
    if (colon == std::string::npos || colon + 1 == text.size())
        return text.size();
    return colon - 1;
}

} // namespace

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string_view IllegalCharsFor(IllegalCharSet set) {
    switch (set) {
    case IllegalCharSet::FolderName:
        return FolderNameChars;
    case IllegalCharSet::RelativePath:
        return RelativePathChars;
    case IllegalCharSet::FullPath:
        break;
    }
    return FullPathChars;
}

bool CheckIllegalChars(IllegalCharSet set, std::string_view text, std::string& found) {
    const std::string_view chars = IllegalCharsFor(set);
    found.clear();
    for (char c : text) {
        if (chars.find(c) != std::string_view::npos) {
            found.push_back(' ');
            found.push_back(c);
        }
    }
    return found.empty();
}

std::string DrivePart(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':')
        return std::string(path.substr(0, 2));
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\')
        return networkDrivePart(path);
    return {};
}

bool HasDrivePart(std::string_view path) {
    return !DrivePart(Trim(path)).empty();
}

bool CheckIncludeText(std::string_view text, std::string& normalized, std::string& message) {
    if (text.empty()) {
        message = "The text field is empty !\nAction : You must enter a text to add to the Include "
                  "Folder List.";
        return false;
    }
    std::string found;
    if (!CheckIllegalChars(IllegalCharSet::FullPath, text, found)) {
        message = "Illegal characters in the text : " + found;
        return false;
    }
    normalized = NormalizeTarget(std::string(text));
    return true;
}

bool CheckFolderPath(std::string_view path, std::string& message) {
    const std::string trimmed = Trim(path);
    if (DrivePart(trimmed).empty()) {
        message = "This item is not a valid Folder Name (No drive letter) !";
        return false;
    }
    // A drive letter that names no present drive is accepted: the run reports it per folder.
    std::string drive;
    std::string remainder;
    SplitAtColon(TrimSpaces(trimmed), drive, remainder);
    if (TrimSpaces(remainder).size() < 2) {
        message = "There is no Folder part (just root).";
        return false;
    }
    std::string found;
    if (!CheckIllegalChars(IllegalCharSet::FullPath, trimmed, found)) {
        message = "Illegal characters in the folder name : " + found;
        return false;
    }
    return true;
}

bool AnalyzeColons(std::string_view text, std::string& message) {
    if (text.find(':') == std::string_view::npos) {
        message = "Not found any colon (:) in the text !!!!";
        return false;
    }
    for (std::size_t pos = text.find(':'); pos != std::string_view::npos;
         pos = text.find(':', pos + 1)) {
        if (pos == 0) {
            message = "The colon (:) is the first character in the text.";
            return false;
        }
        if (pos + 1 == text.size()) {
            message = "The colon (:) is the last character in the text.";
            return false;
        }
        if (!IsAsciiLetter(text[pos - 1])) {
            message = "There is(are) no drive letter(s) before colon(s) (:) : " +
                      std::string(1, text[pos - 1]);
            return false;
        }
    }
    message = "There is(are) a drive letter(s) before colon(s) (:).";
    return true;
}

bool ValidateFullPath(std::string_view path, std::string& passed, std::string& failed) {
    const std::string normalized = CollapseColons(NormalizePath(std::string(path)));
    std::string ignored;
    const bool ok = AnalyzeColons(normalized, ignored) && CheckFolderPath(normalized, ignored) &&
                    CountCharacters(normalized) < MaxPathLength;
    passed = ok ? normalized : std::string();
    failed = ok ? std::string() : normalized;
    return ok;
}

std::vector<std::string> SplitFullPaths(std::string_view text) {
    const std::string slashed = ToBackslashes(std::string(text));
    std::vector<std::string> paths;
    for (std::size_t from = 0;;) {
        const auto start = findPathStart(slashed, from);
        if (start == std::string::npos)
            break;
        const auto end = findPathEnd(slashed, start);
        paths.push_back(slashed.substr(start, end - start));
        from = end;
    }
    return paths;
}

bool AddFullPathsFromText(std::vector<std::string>& list, std::string_view text,
                          std::string& message) {
    std::string normalized;
    if (!CheckIncludeText(text, normalized, message))
        return false;
    std::vector<std::string> pieces = SplitFullPaths(normalized);
    if (pieces.empty()) {
        // Nothing to add must not pass for success: say so instead of doing nothing silently.
        message =
            "No folder path with a drive letter (for example f:\\Folder) was found in the text !";
        return false;
    }
    list = std::move(pieces);
    return true;
}

bool CheckSameSource(std::string_view destination, std::string_view source, std::string& message) {
    std::string normalizedSource;
    std::string normalizedDestination;
    if (!CheckIncludeText(source, normalizedSource, message))
        return false;
    if (!CheckIncludeText(destination, normalizedDestination, message))
        return false;
    if (!EqualsIgnoreCase(normalizedDestination, normalizedSource))
        return true;
    message = "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the "
              "same as the "
              "source Folder !!! \nDestination Folder : " +
              std::string(destination) + "\n" + "Source Folder      : " + std::string(source);
    return false;
}

} // namespace dirforge::core
