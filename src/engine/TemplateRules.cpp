#include "engine/TemplateRules.h"

#include "core/CaseFold.h"
#include "core/PathSafety.h"
#include "core/TextRules.h"
#include "core/Utf8.h"

#include <vector>

namespace dirforge::engine {

namespace {

/// Drops everything up to and including the first colon, if there is one.
std::string WithoutDrivePart(const std::string& text) {
    std::string drive, remainder;
    return core::SplitAtColon(text, drive, remainder) ? remainder : text;
}

/// text with its characters folded, and for every folded character boundary the byte offset of
/// the original character it came from (plus the end), so a match found in the folded text maps
/// back to whole characters of the original.
struct FoldedText {
    std::string folded;
    std::vector<std::size_t> foldedStarts;   // byte offset in folded where each character starts
    std::vector<std::size_t> originalStarts; // the same character's offset in the original
};

FoldedText FoldByCharacter(const std::string& text) {
    FoldedText out;
    out.folded.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = core::DecodeUtf8(text, pos).length;
        out.foldedStarts.push_back(out.folded.size());
        out.originalStarts.push_back(pos);
        out.folded += core::FoldCase(std::string_view(text).substr(pos, length));
        pos += length;
    }
    out.foldedStarts.push_back(out.folded.size());
    out.originalStarts.push_back(text.size());
    return out;
}

/// Every occurrence of search in text, letter case ignored, replaced by replacement; matches
/// begin and end on whole characters and do not overlap. An empty search changes nothing.
std::string ReplaceIgnoringCase(const std::string& text, const std::string& search,
                                const std::string& replacement) {
    const std::string foldedSearch = core::FoldCase(search);
    if (foldedSearch.empty())
        return text;
    const FoldedText source = FoldByCharacter(text);
    std::string result;
    std::size_t copiedUpTo = 0; // original offset up to which text is in result
    std::size_t index = 0;      // character index
    const std::size_t characters = source.originalStarts.size() - 1;
    while (index < characters) {
        const std::size_t at = source.foldedStarts[index];
        if (source.folded.compare(at, foldedSearch.size(), foldedSearch) == 0) {
            // The match must end on a character boundary of the folded text.
            std::size_t end = index;
            while (end < characters && source.foldedStarts[end] < at + foldedSearch.size())
                ++end;
            if (source.foldedStarts[end] == at + foldedSearch.size()) {
                result.append(text, copiedUpTo, source.originalStarts[index] - copiedUpTo);
                result += replacement;
                copiedUpTo = source.originalStarts[end];
                index = end;
                continue;
            }
        }
        ++index;
    }
    result.append(text, copiedUpTo, std::string::npos);
    return result;
}

} // namespace

int TemplateOptionFor(const MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                      std::string& searchText) {
    searchText.clear();
    const auto found = options.find(TemplateOptionsKey(page));
    const _tagFoldersTemplateOptions record =
        found != options.end() ? found->second : _tagFoldersTemplateOptions{};
    if (record.ReplaceNo == 1)
        return KeepWholePath;
    if (record.ReplaceFirst == 1)
        return DropFirstFolder;
    if (record.ReplaceAll == 1)
        return ReplaceFirstFolderEverywhere;
    if (record.ReplaceRemainder == 1) {
        searchText = record.RemainderText;
        return ReplaceRemainderText;
    }
    return KeepWholePath;
}

void SetTemplateOptions(MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                        const _tagFoldersTemplateOptions& record) {
    options[TemplateOptionsKey(page)] = record;
}

std::string NewFolderName(const std::string& target) {
    const std::string slashed = core::ToBackslashes(target);
    const auto last = slashed.rfind('\\');
    return core::TrimSpaces(last == std::string::npos ? slashed : slashed.substr(last + 1));
}

std::pair<std::string, std::string> SplitFirstFolder(const std::string& line) {
    std::string text = WithoutDrivePart(core::ToBackslashes(line));
    if (!text.empty() && text.front() == '\\')
        text.erase(0, 1);
    const auto separator = text.find('\\');
    if (separator == std::string::npos)
        return {text, std::string()};
    return {text.substr(0, separator), text.substr(separator)};
}

std::string ReplaceFirstFolderName(const std::string& line, const std::string& target) {
    const auto [first, rest] = SplitFirstFolder(line);
    return ReplaceIgnoringCase(rest, first, NewFolderName(target));
}

std::string ReplaceSearchText(const std::string& line, const std::string& searchText,
                              const std::string& target) {
    return ReplaceIgnoringCase(line, searchText, NewFolderName(target));
}

std::string TransformTemplateLine(const MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                                  const std::string& line, const std::string& target) {
    std::string searchText;
    switch (TemplateOptionFor(options, page, searchText)) {
    case DropFirstFolder:
        return SplitFirstFolder(line).second;
    case ReplaceFirstFolderEverywhere:
        return ReplaceFirstFolderName(line, target);
    case ReplaceRemainderText:
        return ReplaceSearchText(line, searchText, target);
    default:
        return line;
    }
}

std::string JoinTemplatePath(const std::string& target, const std::string& relative) {
    // A colon would name another drive; a ".." element would climb out of the new folder.
    if (relative.find(':') != std::string::npos || core::HasParentElement(relative))
        return {};
    std::string joined = core::NormalizeTarget(target + "\\" + relative);
    if (!joined.empty() && joined.back() == '\\')
        joined.pop_back();
    return joined;
}

std::string AppendNumberToElements(const std::string& relative, const std::string& prefix,
                                   const std::string& numberText) {
    std::size_t trailing = 0;
    while (trailing < prefix.size() &&
           static_cast<unsigned char>(prefix[prefix.size() - 1 - trailing]) <= 32)
        ++trailing;
    const std::string suffix = std::string(trailing, ' ') + numberText;

    std::string rest = WithoutDrivePart(relative);
    std::string result;
    while (!rest.empty()) {
        if (rest.front() == '\\')
            rest.erase(0, 1);
        result += "\\";
        const auto separator = rest.find('\\');
        if (separator == std::string::npos) {
            result += rest + suffix; // the last element; after a trailing backslash it is empty
            break;
        }
        result += rest.substr(0, separator) + suffix;
        rest.erase(0, separator);
    }
    return result;
}

} // namespace dirforge::engine
