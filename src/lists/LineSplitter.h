#pragma once
// Splitting one line of a separated file into values, and the quotation-mark rules around it.

#include <string>
#include <string_view>
#include <vector>

namespace dirforge::lists {

/// Which quotation marks a line was split at; only the space delimiter splits at marks.
enum class QuoteSplit { None, DoubleMarks, SingleMarks };

/// The values of one line, in order, and the marks it was split at.
struct SplitLineResult {
    std::vector<std::string> values;
    QuoteSplit splitAt = QuoteSplit::None;
};

/// Cuts line at every character of delimiter, dropping empty pieces. A delimiter that is the
/// single space honours quotation marks: with two or more double (else single) marks, the
/// quoted stretches become whole values with their blanks trimmed.
SplitLineResult SplitLine(std::string_view line, std::string_view delimiter);

/// One field of a row read with quotation marks honoured: its text without the marks around it.
struct QuotedField {
    std::string text;
    bool quoted = false; ///< the field began with the quotation mark
};

/// Cuts a row into fields at every character of delimiter, as a spreadsheet writes them: a
/// field that begins (after blanks) with mark runs to its closing mark, delimiters inside
/// included, a doubled mark standing for one; an unclosed mark takes the rest of the row. Empty
/// fields keep their places, except that a run of blanks is one cut when delimiter is the single
/// space. A mark that is also a delimiter character quotes nothing.
std::vector<QuotedField> SplitFields(std::string_view row, std::string_view delimiter, char mark);

/// value wrapped in mark, with every mark inside it doubled.
std::string Requote(std::string_view value, char mark);

/// The text between an opening mark and its closing mark (a doubled mark stands for one);
/// a value not beginning with mark, or whose outcome would be empty, is returned unchanged.
std::string Dequote(std::string_view value, char mark);

} // namespace dirforge::lists
