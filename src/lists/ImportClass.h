#pragma once
// Reads a text file into a list of values: one per line, or the columns of a separated file.

#include "lists/ImportLineReader.h"
#include "lists/TextDecoder.h"

#include <string>
#include <vector>

namespace dirforge::platform {
class FileSystem;
}

namespace dirforge::lists {

/// Error states of a read.
inline constexpr int ImportNoError = 0;
inline constexpr int ImportCannotOpen = 2;
/// The file holds NUL bytes: a binary file, refused before any value is produced.
inline constexpr int ImportNotText = 3;

/// One read of one file under one set of reading settings.
class ImportClass {
public:
    /// fileName is in drive form; delimiterText "space" means a single blank.
    ImportClass(const platform::FileSystem& fileSystem, std::string fileName, ReadingMode mode,
                const std::string& delimiterText, std::string quotationMark,
                bool abandonQuotationMarks);

    /// The 1-based column read in one-column mode; values below 1 select no column.
    void SetColumn(int column) { lines_.setColumn(column); }
    /// The pattern each row is built from in column-pattern mode.
    void SetPattern(ColumnPattern pattern) { lines_.setPattern(std::move(pattern)); }
    /// Opens the file and fills the results; false (with errorState set) when it cannot.
    bool Read();
    /// The values produced, in file order, duplicates and blanks included.
    std::vector<std::string> Results() const { return results_; }
    /// Moves the values out (the reader is spent afterwards).
    std::vector<std::string> takeResults() { return std::move(results_); }
    int errorState() const { return errorState_; }
    /// How the file's bytes were read (after a successful Read).
    TextEncoding encoding() const { return encoding_; }
    /// Rows a column pattern left out because one of its columns was missing or blank.
    std::size_t leftOutRows() const { return lines_.leftOutRows(); }

private:
    const platform::FileSystem& fileSystem_;
    std::string fileName_;
    std::string quotationMark_; // carried for the window; no reading mode uses it
    ImportLineReader lines_;
    std::vector<std::string> results_;
    int errorState_ = ImportNoError;
    TextEncoding encoding_ = TextEncoding::Utf8;
};

} // namespace dirforge::lists
