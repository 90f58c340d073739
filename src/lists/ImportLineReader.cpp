#include "lists/ImportLineReader.h"

#include "core/TextRules.h"
#include "lists/LineSplitter.h"

namespace dirforge::lists {

std::string DelimiterFromText(const std::string& text) {
    return text == "space" ? std::string(" ") : text;
}

ImportLineReader::ImportLineReader(ReadingMode mode, const std::string& delimiterText,
                                   bool abandonQuotationMarks)
    : mode_(mode), delimiter_(DelimiterFromText(delimiterText)), abandon_(abandonQuotationMarks) {}

void ImportLineReader::setPattern(ColumnPattern pattern, char mark) {
    pattern_ = std::move(pattern);
    patternMark_ = mark;
}

void ImportLineReader::read(const std::string& line, std::vector<std::string>& values) {
    switch (mode_) {
    case ReadingMode::PlainText:
        values.push_back(abandonMarks(line));
        return;
    case ReadingMode::ColumnPattern:
        readPatternRow(line, values);
        return;
    case ReadingMode::AllColumns:
    case ReadingMode::OneColumn:
        readSeparatedLine(line, values);
        return;
    }
}

void ImportLineReader::readSeparatedLine(const std::string& line,
                                         std::vector<std::string>& values) const {
    SplitLineResult split = SplitLine(line, delimiter_);
    const bool requoteDouble = split.splitAt == QuoteSplit::DoubleMarks;
    const bool requoteSingle = split.splitAt == QuoteSplit::SingleMarks;
    if (mode_ == ReadingMode::AllColumns) {
        for (auto& value : split.values)
            values.push_back(finishValue(std::move(value), requoteDouble, requoteSingle));
        return;
    }
    if (column_ < 1 || split.values.size() < static_cast<std::size_t>(column_))
        return;
    values.push_back(finishValue(std::move(split.values[static_cast<std::size_t>(column_) - 1]),
                                 requoteDouble, requoteSingle));
}

void ImportLineReader::readPatternRow(const std::string& line, std::vector<std::string>& values) {
    rowValues_.clear();
    for (QuotedField& field : SplitFields(line, delimiter_, patternMark_)) {
        std::string value = core::Trim(field.text);
        // Without the abandon flag a quoted value keeps its marks, as the other modes keep them.
        if (field.quoted && !abandon_ && !value.empty())
            value = Requote(value, patternMark_);
        rowValues_.push_back(std::move(value));
    }
    if (auto entry = pattern_.Build(rowValues_))
        values.push_back(std::move(*entry));
    else
        ++leftOutRows_;
}

std::string ImportLineReader::finishValue(std::string value, bool requoteDouble,
                                          bool requoteSingle) const {
    value = core::Trim(value);
    if (requoteSingle)
        value = Requote(value, '\'');
    else if (requoteDouble)
        value = Requote(value, '"');
    return abandonMarks(std::move(value));
}

std::string ImportLineReader::abandonMarks(std::string value) const {
    if (!abandon_)
        return value;
    return Dequote(Dequote(value, '"'), '\'');
}

} // namespace dirforge::lists
