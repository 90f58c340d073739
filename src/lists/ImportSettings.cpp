#include "lists/ImportSettings.h"

#include "core/TextRules.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dirforge::lists {

namespace {

const char* const kColumnFieldAction = "\nAction : Enter the number of the column to import (1, 2, "
                                       "3 ...) or a pattern of columns such as {1} {2} ({3}).";

} // namespace

const std::vector<std::string>& ImportDefaultDelimiters() {
    static const std::vector<std::string> set{",", "\"", "'", "|", "~", ";", ":", "#",    "&",
                                              "@", "$",  "<", ">", ".", "-", "_", "space"};
    return set;
}

const std::vector<std::string>& ExportDefaultDelimiters() {
    static const std::vector<std::string> set{",", "space", "\"", "'", "|", "~", ";", ":", "#",
                                              "&", "@",     "$",  "<", ">", ".", "-", "_"};
    return set;
}

bool ParseColumnField(std::string_view text, int& column, std::string& message) {
    const std::string trimmed = core::Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1); // from_chars refuses the plus sign a user may type
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        message =
            "The column number \"" + trimmed + "\" is not a valid number !" + kColumnFieldAction;
        return false;
    }
    const double whole = std::trunc(value);
    if (whole < 1) {
        message = "The column number must be 1 or more !\n"
                  "Action : Enter the number of the column to import (1, 2, 3 ...).";
        return false;
    }
    constexpr double largest = std::numeric_limits<int>::max();
    column = whole > largest ? std::numeric_limits<int>::max() : static_cast<int>(whole);
    return true;
}

bool ParseColumnChoice(std::string_view text, ColumnChoice& choice, std::string& message) {
    if (!ColumnPattern::LooksLikePattern(text)) {
        if (!ParseColumnField(text, choice.column, message))
            return false;
        choice.mode = ReadingMode::OneColumn;
        return true;
    }
    std::string why;
    if (!ColumnPattern::Parse(text, choice.pattern, why)) {
        message =
            "The column pattern \"" + core::Trim(text) + "\" " + why + " !" + kColumnFieldAction;
        return false;
    }
    choice.mode = ReadingMode::ColumnPattern;
    return true;
}

} // namespace dirforge::lists
