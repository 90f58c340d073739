#pragma once
// The reading settings of the import window that need checking or defaults.

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

} // namespace dirforge::lists
