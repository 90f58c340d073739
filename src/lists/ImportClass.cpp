#include "lists/ImportClass.h"

#include "core/TextRules.h"
#include "lists/ListText.h"
#include "lists/TextLines.h"

namespace dirforge::lists {

ImportClass::ImportClass(const platform::FileSystem& fileSystem, std::string fileName,
                         ReadingMode mode, const std::string& delimiterText,
                         std::string quotationMark, bool abandonQuotationMarks)
    : fileSystem_(fileSystem), fileName_(std::move(fileName)),
      quotationMark_(std::move(quotationMark)), lines_(mode, delimiterText, abandonQuotationMarks) {
}

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
        if (!line.empty())
            lines_.read(line, results_);
        return true;
    });
    return true;
}

} // namespace dirforge::lists
