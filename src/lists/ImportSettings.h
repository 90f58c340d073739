#pragma once
// The reading settings of the import window that need checking or defaults.

#include "lists/ColumnPattern.h"
#include "lists/ImportLineReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace dirforge::lists {

/// The import window's own delimiter (and quotation-mark) set, in order.
const std::vector<std::string>& ImportDefaultDelimiters();
/// The export window's own delimiter set, in order.
const std::vector<std::string>& ExportDefaultDelimiters();

/// Reads the column field as a decimal number truncated to an integer. False with a message
/// body when it is not a number or names a column below 1; column is then left alone.
bool ParseColumnField(std::string_view text, int& column, std::string& message);

/// What the column field asks for: one column by number, or a pattern of columns.
struct ColumnChoice {
    ReadingMode mode = ReadingMode::OneColumn; ///< OneColumn or ColumnPattern
    int column = 1;
    ColumnPattern pattern;
};

/// Reads the column field: a text holding a brace as a pattern of columns ("{1} {2} ({3})"),
/// any other as ParseColumnField reads it. False with a message body when it is neither.
bool ParseColumnChoice(std::string_view text, ColumnChoice& choice, std::string& message);

} // namespace dirforge::lists
