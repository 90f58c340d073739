#pragma once
// Text-file templates: how one relative template line becomes a subfolder path below a newly
// created folder, according to the page's template option. All functions are pure text work.

#include "engine/TemplateOptions.h"

#include <cstdint>
#include <string>
#include <utility>

namespace dirforge::engine {

/// Option codes in the order they are tested: keep the line, replace a search text, drop the
/// first folder, drop the first folder and replace its name everywhere.
enum TemplateOptionCode : int {
    KeepWholePath = 1,
    ReplaceRemainderText = 2,
    DropFirstFolder = 3,
    ReplaceFirstFolderEverywhere = 4
};

/// The option code of a page (default record when the page is missing); searchText receives
/// RemainderText for code 2 and "" otherwise.
int TemplateOptionFor(const MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                      std::string& searchText);

/// Stores record under page, replacing any earlier one.
void SetTemplateOptions(MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                        const _tagFoldersTemplateOptions& record);

/// The name a new folder lends to codes 2 and 4: the text after the target's last separator,
/// blanks trimmed.
std::string NewFolderName(const std::string& target);

/// (first folder, rest): drive part and one leading backslash dropped; rest begins with "\"
/// or is "" when the line names a single folder.
std::pair<std::string, std::string> SplitFirstFolder(const std::string& line);

/// Code 4: the line without its first folder, every occurrence of that folder's name (any
/// letter case, also inside longer names) replaced by the new folder's name.
std::string ReplaceFirstFolderName(const std::string& line, const std::string& target);

/// Code 2: every occurrence of searchText (any letter case) replaced by the new folder's name;
/// an empty search text leaves the line unchanged.
std::string ReplaceSearchText(const std::string& line, const std::string& searchText,
                              const std::string& target);

/// The page's transformation of a template line into a relative path ("" when nothing is left).
std::string TransformTemplateLine(const MAP_FOLDER_TEMPLATE_OPTIONS& options, PageKind page,
                                  const std::string& line, const std::string& target);

/// target + "\" + relative, normalised, one trailing backslash removed. "" when relative holds
/// a colon or a ".." element (it would leave the new folder).
std::string JoinTemplatePath(const std::string& target, const std::string& relative);

/// Appends the number (after as many blanks as the prefix has trailing blanks) to every element
/// of a relative path: \Docs\Images with 7 gives \Docs7\Images7.
std::string AppendNumberToElements(const std::string& relative, const std::string& prefix,
                                   const std::string& numberText);

} // namespace dirforge::engine
