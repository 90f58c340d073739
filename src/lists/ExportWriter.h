#pragma once
// The export file: how each entry is rewritten and how the entries are laid out.

#include <string>
#include <vector>

namespace dirforge::lists {

enum class SlashForm { Backslashes, ForwardSlashes };
enum class ExportLayout { PlainLines, Separated };

/// How each displayed entry is derived from a handed-over one.
struct ExportEntryForm {
    SlashForm slashes = SlashForm::Backslashes;
    bool withDriveLetters = true;
};

/// How the displayed entries are written.
struct ExportFormat {
    ExportLayout layout = ExportLayout::PlainLines;
    std::string delimiter;     ///< written after every entry of the separated layout
    std::string quotationMark; ///< "\"" or empty, written around every entry
    std::string kind =
        "FOLDERS"; ///< STRINGS, FOLDERS or RENAMEDFILES; any other kind writes nothing
};

/// Backslash form (NormalizePath) or forward-slash form with doubled slashes collapsed.
std::string ExportSlashForm(std::string entry, SlashForm slashes);
/// The slash form, then without drive letters everything after the first colon.
std::string RebuildExportEntry(std::string entry, const ExportEntryForm& form);
/// The delimiter box text trimmed; "space" stands for one blank.
std::string ExportDelimiterFromText(const std::string& text);
/// The export kind as it is compared: trimmed and upper-cased.
std::string ExportKindName(const std::string& kind);
/// True for the kinds whose entries are written (compared trimmed and upper-cased).
bool IsExportedKind(const std::string& kind);

/// The file content: plain lines each ending CR LF, or one line with the delimiter after
/// every entry and no line end; entries in the given slash form. causes, when given, holds one
/// text beside each entry, written after it as "  (cause)" where it is not empty.
std::string FormatExport(const std::vector<std::string>& entries, SlashForm slashes,
                         const ExportFormat& format,
                         const std::vector<std::string>* causes = nullptr);

} // namespace dirforge::lists
