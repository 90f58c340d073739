#pragma once
// Reads a text file into a list of values: one per line, or the columns of a separated file.

#include "lists/TextDecoder.h"

#include <string>
#include <vector>

namespace dirforge::platform {
class FileSystem;
}

namespace dirforge::lists {

/// How a file is read: one value per line, every column, or one chosen column.
enum class ReadingMode { PlainText = 0, AllColumns = 1, OneColumn = 2 };

/// Error states of a read.
inline constexpr int ImportNoError = 0;
inline constexpr int ImportCannotOpen = 2;
/// The file holds NUL bytes: a binary file, refused before any value is produced.
inline constexpr int ImportNotText = 3;

/// The delimiter as the reader uses it: the text "space" stands for one blank.
std::string DelimiterFromText(const std::string& text);

/// One read of one file under one set of reading settings.
class ImportClass {
public:
    /// fileName is in drive form; delimiterText "space" means a single blank.
    ImportClass(const platform::FileSystem& fileSystem, std::string fileName, ReadingMode mode,
                const std::string& delimiterText, std::string quotationMark,
                bool abandonQuotationMarks);

    /// The 1-based column read in one-column mode; values below 1 select no column.
    void SetColumn(int column) { column_ = column; }
    /// Opens the file and fills the results; false (with errorState set) when it cannot.
    bool Read();
    /// The values produced, in file order, duplicates and blanks included.
    std::vector<std::string> Results() const { return results_; }
    /// Moves the values out (the reader is spent afterwards).
    std::vector<std::string> takeResults() { return std::move(results_); }
    int errorState() const { return errorState_; }
    /// How the file's bytes were read (after a successful Read).
    TextEncoding encoding() const { return encoding_; }

private:
    void readPlainLine(const std::string& line);
    void readSeparatedLine(const std::string& line);
    std::string finishValue(std::string value, bool requoteDouble, bool requoteSingle) const;
    std::string abandonMarks(std::string value) const;

    const platform::FileSystem& fileSystem_;
    std::string fileName_;
    ReadingMode mode_;
    std::string delimiter_;
    std::string quotationMark_; // carried for the window; no reading mode uses it
    bool abandon_;
    int column_ = 1;
    std::vector<std::string> results_;
    int errorState_ = ImportNoError;
    TextEncoding encoding_ = TextEncoding::Utf8;
};

} // namespace dirforge::lists
