#pragma once
// A pattern of columns such as "{1} {2} ({3})": one entry per row of a separated file, built
// from the row's columns and the text around them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::lists {

/// Literal text and 1-based column numbers; "{{" and "}}" stand for the braces themselves.
class ColumnPattern {
public:
    /// True when text holds a brace: it is meant as a pattern, not as a column number.
    static bool LooksLikePattern(std::string_view text);
    /// False, with why it is not ("has a { without its closing }"), when text is not a pattern
    /// naming at least one column; pattern is then left alone.
    static bool Parse(std::string_view text, ColumnPattern& pattern, std::string& why);

    /// The entry built from a row's values (values[0] is column 1); none when a column the
    /// pattern names is missing or blank in the row.
    std::optional<std::string> Build(const std::vector<std::string>& values) const;
    /// The pattern as the user typed it.
    const std::string& text() const { return text_; }

private:
    struct Piece {
        std::string literal;
        std::size_t column = 0; ///< 0 for literal text
    };
    std::string text_;
    std::vector<Piece> pieces_;
};

/// The line an end message gets for rows a pattern left out; "" when none was.
std::string LeftOutRowsNote(std::size_t rows);

} // namespace dirforge::lists
