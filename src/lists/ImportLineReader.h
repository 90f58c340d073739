#pragma once
// How one line of a list file becomes values under the import's reading settings: the window's
// smart import and dirforge-cli's --names read their lines through here.

#include "lists/ColumnPattern.h"

#include <cstddef>
#include <string>
#include <vector>

namespace dirforge::lists {

/// How a file is read: one value per line, every column, one chosen column, or one entry per row
/// built from several columns.
enum class ReadingMode { PlainText = 0, AllColumns = 1, OneColumn = 2, ColumnPattern = 3 };

/// The delimiter as the reader uses it: the text "space" stands for one blank.
std::string DelimiterFromText(const std::string& text);

/// The quotation mark a column pattern's rows are read with unless another is chosen.
inline constexpr char kPatternQuotationMark = '"';

/// Turns trimmed, non-blank lines into values, in order.
class ImportLineReader {
public:
    /// delimiterText "space" means a single blank.
    ImportLineReader(ReadingMode mode, const std::string& delimiterText,
                     bool abandonQuotationMarks);

    /// The 1-based column read in one-column mode; values below 1 select no column.
    void setColumn(int column) { column_ = column; }
    /// The pattern each row is built from in column-pattern mode, its fields quoted with mark.
    void setPattern(ColumnPattern pattern, char mark = kPatternQuotationMark);
    /// Appends the values of one line (trimmed, not blank) to values.
    void read(const std::string& line, std::vector<std::string>& values);
    /// Rows a column pattern left out because one of its columns was missing or blank.
    std::size_t leftOutRows() const { return leftOutRows_; }

private:
    void readSeparatedLine(const std::string& line, std::vector<std::string>& values) const;
    void readPatternRow(const std::string& line, std::vector<std::string>& values);
    std::string finishValue(std::string value, bool requoteDouble, bool requoteSingle) const;
    std::string abandonMarks(std::string value) const;

    ReadingMode mode_;
    std::string delimiter_;
    bool abandon_;
    int column_ = 1;
    ColumnPattern pattern_;
    char patternMark_ = kPatternQuotationMark;
    std::vector<std::string> rowValues_; // reused from row to row
    std::size_t leftOutRows_ = 0;
};

} // namespace dirforge::lists
