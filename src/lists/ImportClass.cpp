#include "lists/ImportClass.h"

#include "core/TextRules.h"
#include "lists/LineSplitter.h"
#include "lists/ListText.h"
#include "lists/TextLines.h"

namespace dirforge::lists {

std::string DelimiterFromText(const std::string& text) {
    return text == "space" ? std::string(" ") : text;
}

ImportClass::ImportClass(const platform::FileSystem& fileSystem, std::string fileName,
                         ReadingMode mode, const std::string& delimiterText,
                         std::string quotationMark, bool abandonQuotationMarks)
    : fileSystem_(fileSystem), fileName_(std::move(fileName)), mode_(mode),
      delimiter_(DelimiterFromText(delimiterText)), quotationMark_(std::move(quotationMark)),
      abandon_(abandonQuotationMarks) {}

bool ImportClass::Read() {
    results_.clear();
    errorState_ = ImportNoError;
    const ListText file = ReadListText(fileSystem_, fileName_);
    if (file.error != ListTextError::None) {
        errorState_ = file.error == ListTextError::NotText ? ImportNotText : ImportCannotOpen;
        return false;
    }
    encoding_ = file.decoded.encoding;
    ForEachTextLine(file.decoded.text, [this](std::string_view raw) {
        const std::string line = core::Trim(raw);
        if (line.empty())
            return true;
        if (mode_ == ReadingMode::PlainText)
            readPlainLine(line);
        else
            readSeparatedLine(line);
        return true;
    });
    return true;
}

void ImportClass::readPlainLine(const std::string& line) {
    results_.push_back(abandonMarks(line));
}

void ImportClass::readSeparatedLine(const std::string& line) {
    SplitLineResult split = SplitLine(line, delimiter_);
    const bool requoteDouble = split.splitAt == QuoteSplit::DoubleMarks;
    const bool requoteSingle = split.splitAt == QuoteSplit::SingleMarks;
    if (mode_ == ReadingMode::AllColumns) {
        for (auto& value : split.values)
            results_.push_back(finishValue(std::move(value), requoteDouble, requoteSingle));
        return;
    }
    if (column_ < 1 || split.values.size() < static_cast<std::size_t>(column_))
        return;
    results_.push_back(finishValue(std::move(split.values[static_cast<std::size_t>(column_) - 1]),
                                   requoteDouble, requoteSingle));
}

std::string ImportClass::finishValue(std::string value, bool requoteDouble,
                                     bool requoteSingle) const {
    value = core::Trim(value);
    if (requoteSingle)
        value = Requote(value, '\'');
    else if (requoteDouble)
        value = Requote(value, '"');
    return abandonMarks(std::move(value));
}

std::string ImportClass::abandonMarks(std::string value) const {
    if (!abandon_)
        return value;
    return Dequote(Dequote(value, '"'), '\'');
}

} // namespace dirforge::lists
