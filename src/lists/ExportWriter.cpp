#include "lists/ExportWriter.h"

#include "core/TextRules.h"

#include <algorithm>
#include <cctype>

namespace dirforge::lists {

std::string ExportSlashForm(std::string entry, SlashForm slashes) {
    if (slashes == SlashForm::Backslashes)
        return core::NormalizePath(std::move(entry));
    return core::CollapseForwardSlashes(core::ToForwardSlashes(std::move(entry)));
}

std::string RebuildExportEntry(std::string entry, const ExportEntryForm& form) {
    entry = ExportSlashForm(std::move(entry), form.slashes);
    if (form.withDriveLetters)
        return entry;
    std::string drive;
    std::string remainder;
    core::SplitAtColon(entry, drive, remainder);
    return remainder;
}

std::string ExportDelimiterFromText(const std::string& text) {
    const std::string trimmed = core::Trim(text);
    return trimmed == "space" ? std::string(" ") : trimmed;
}

std::string ExportKindName(const std::string& kind) {
    std::string upper = core::Trim(kind);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

bool IsExportedKind(const std::string& kind) {
    const std::string name = ExportKindName(kind);
    return name == "STRINGS" || name == "FOLDERS" || name == "RENAMEDFILES";
}

std::string FormatExport(const std::vector<std::string>& entries, SlashForm slashes,
                         const ExportFormat& format, const std::vector<std::string>* causes) {
    std::string content;
    if (!IsExportedKind(format.kind))
        return content;
    const std::string ending =
        format.layout == ExportLayout::PlainLines ? std::string("\r\n") : format.delimiter;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        content += format.quotationMark;
        content += ExportSlashForm(entries[i], slashes);
        if (causes != nullptr && i < causes->size() && !(*causes)[i].empty())
            content += "  (" + (*causes)[i] + ")"; // the cause as it is, slashes and all
        content += format.quotationMark;
        content += ending;
    }
    return content;
}

} // namespace dirforge::lists
