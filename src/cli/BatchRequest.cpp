#include "cli/BatchRequest.h"

#include "cli/InputFiles.h"
#include "core/ListReports.h"
#include "core/NameList.h"
#include "core/TextRules.h"
#include "engine/TemplateRules.h"
#include "lists/ComposedForm.h"
#include "lists/ImportSettings.h"
#include "lists/ListLineRule.h"
#include "lists/TextLines.h"
#include "platform/TypedPaths.h"

#include <ostream>

namespace dirforge::cli {

namespace {

using engine::AttachMode;

/// Entries equal ignoring letter case to an earlier one left out, as the window's list keeps
/// each once; how many is said on err.
std::vector<std::string> OncePerEntry(std::vector<std::string> entries, const char* option,
                                      const char* kind, std::ostream& err) {
    const std::size_t read = entries.size();
    core::NameList once(core::NameList::Order::Insertion);
    once.insertMissing(std::move(entries));
    if (const std::size_t repeats = read - once.size(); repeats > 0)
        err << "dirforge-cli: " << option << ": " << repeats << " " << kind
            << (repeats == 1 ? "" : "s") << " already in the list, ignoring letter case, "
            << (repeats == 1 ? "was" : "were") << " left out\n";
    return once.texts();
}

/// The column field's rule for --columns; throws UsageError with its message when it is neither
/// a column number nor a pattern of columns.
lists::ColumnChoice ColumnsOf(const BatchOptions& options) {
    lists::ColumnChoice columns;
    std::string message;
    if (!lists::ParseColumnChoice(options.columns, columns, message))
        throw UsageError("--columns: " + message);
    return columns;
}

/// The lines of a --names file read as the window's import reads a separated file under the
/// column field, quotation marks abandoned; the rows a pattern left out are counted on err.
std::vector<std::string> ColumnValues(const BatchOptions& options, lists::ColumnChoice columns,
                                      const std::vector<std::string>& lines, std::ostream& err) {
    lists::ImportLineReader reader(columns.mode, options.delimiter, true);
    reader.setColumn(columns.column);
    reader.setPattern(std::move(columns.pattern), options.quote.front());
    std::vector<std::string> values;
    for (const std::string& line : lines)
        reader.read(line, values);
    if (const std::string note = lists::LeftOutRowsNote(reader.leftOutRows()); !note.empty())
        err << "dirforge-cli: --names: " << note << "\n";
    return values;
}

/// The entries of a list file under the page's list rule, as the window's import takes them;
/// what is left out is counted on err.
std::vector<std::string> ListFileEntries(const BatchOptions& options,
                                         const platform::FileSystem& fs, const PathArguments& paths,
                                         std::ostream& err) {
    const bool strings = options.command == Command::Strings;
    const char* option = strings ? "--names" : "--paths";
    const std::string& file = strings ? options.namesFile : options.pathsFile;
    const bool byColumns = strings && options.wasGiven("columns");
    const lists::ColumnChoice columns = byColumns ? ColumnsOf(options) : lists::ColumnChoice{};
    std::vector<std::string> lines =
        ReadListFile(fs, DriveArgument(paths, file, option), option, err);
    if (byColumns)
        lines = ColumnValues(options, columns, lines, err);
    std::vector<std::string> entries;
    lists::LeftOutLines leftOut;
    for (const std::string& line : lines) {
        lists::ListLine entry = strings ? lists::StringsPageLine(line)
                                        : lists::PathsPageLine(platform::TypedPathToDrive(
                                              paths.drives(), line, platform::HostHomeFolder()));
        leftOut.add(entry.refusal, line);
        if (entry.taken())
            entries.push_back(std::move(entry.entry));
    }
    if (leftOut.count() > 0)
        err << "dirforge-cli: " << option << ": " << leftOut.summary() << "\n";
    return OncePerEntry(std::move(entries), option, strings ? "name" : "path", err);
}

std::vector<std::string> NamesOf(const BatchOptions& options, const platform::FileSystem& fs,
                                 const PathArguments& paths, std::ostream& err) {
    // Names on the command line are taken as the page takes typed ones, in composed form.
    if (options.command == Command::Strings) {
        if (!options.namesFile.empty())
            return ListFileEntries(options, fs, paths, err);
        std::vector<std::string> names = options.names;
        for (std::string& name : names)
            name = lists::ComposedForm(std::move(name));
        return names;
    }
    if (!options.pathsFile.empty())
        return ListFileEntries(options, fs, paths, err);
    std::vector<std::string> entries = options.paths;
    for (std::string& entry : entries)
        entry = lists::ComposedForm(paths.entryToDrive(entry));
    return entries;
}

std::vector<std::string> StructureFolders(const BatchOptions& options,
                                          const platform::FileSystem& fs,
                                          const PathArguments& paths) {
    std::vector<std::string> folders;
    for (const std::string& structure : options.structures) {
        std::string folder = DriveArgument(paths, structure, "--structure");
        if (!fs.folderExists(folder))
            throw UsageError("--structure: there is no folder " + folder);
        folders.push_back(std::move(folder));
    }
    return folders;
}

/// Template lines from --template and --templates, checked as the page checks imported ones.
std::vector<std::string> TemplateLines(const BatchOptions& options, const platform::FileSystem& fs,
                                       const PathArguments& paths, std::ostream& err) {
    std::vector<std::string> raw = options.templates;
    for (const std::string& file : options.templateFiles)
        for (std::string& line :
             ReadListFile(fs, DriveArgument(paths, file, "--templates"), "--templates", err))
            raw.push_back(std::move(line));
    std::vector<std::string> lines;
    for (const std::string& line : raw)
        if (!core::Trim(line).empty())
            lines.push_back(core::Trim(line));
    std::string report;
    if (core::ValidateRelativePathList(report, lines))
        throw UsageError("template lines must be relative paths such as \\Docs\\Drafts:\n" +
                         report);
    for (std::string& line : lines)
        line = lists::ComposedForm(core::NormalizePath(std::move(line)));
    return lines;
}

} // namespace

engine::PageKind PageOf(Command command) {
    switch (command) {
    case Command::Paths:
        return engine::PageKind::Paths;
    case Command::Numbers:
        return engine::PageKind::Numbers;
    case Command::Strings:
    case Command::Undo:
        break;
    }
    return engine::PageKind::Strings;
}

std::vector<std::string> ReadListFile(const platform::FileSystem& fs, const std::string& file,
                                      const std::string& option, std::ostream& err) {
    // One value per line, trimmed, blank lines left out: as the page's plain-text import reads it.
    const std::string content = ReadListInputFile(fs, file, option, err);
    std::vector<std::string> lines;
    lists::ForEachTextLine(content, [&lines](std::string_view raw) {
        std::string line = core::Trim(raw);
        if (!line.empty())
            lines.push_back(std::move(line));
        return true;
    });
    return lines;
}

std::string DriveArgument(const PathArguments& paths, const std::string& argument,
                          const std::string& option) {
    if (auto drivePath = paths.toDrive(argument))
        return *drivePath;
    throw UsageError(option + ": \"" + argument +
                     "\" is neither a drive path nor a host path on a mapped drive");
}

engine::RunRequest BuildRunRequest(const BatchOptions& options, const platform::FileSystem& fs,
                                   const PathArguments& paths,
                                   engine::MAP_FOLDER_TEMPLATE_OPTIONS& templateOptions,
                                   std::ostream& err) {
    engine::RunRequest request;
    request.page = PageOf(options.command);
    if (request.page == engine::PageKind::Numbers) {
        engine::NumberRange& range = request.numbers;
        range.startNumber = options.startNumber;
        range.endNumber = options.endNumber;
        range.startText = std::to_string(options.startNumber);
        range.endText = std::to_string(options.endNumber);
        range.paddedZeroes = options.padded;
        range.addNumbersToSubfolders = options.numberSuffix;
    } else {
        request.names = NamesOf(options, fs, paths, err);
    }
    if (request.page != engine::PageKind::Paths)
        request.destination = DriveArgument(paths, options.destination, "--dest");
    request.prefix = options.prefix;
    request.suffix = options.suffix;
    request.hyphen = options.hyphen;
    request.attachMode = options.attach;
    request.copyVariant = options.copy;
    if (options.attach == AttachMode::Existing)
        request.structureLines = StructureFolders(options, fs, paths);
    else if (options.attach == AttachMode::TextTemplates)
        request.structureLines = TemplateLines(options, fs, paths, err);
    request.fillExisting = options.fillExisting;
    request.tokens = options.tokens;
    request.showVisualLog = false;
    request.showExplorer = false;
    engine::SetTemplateOptions(templateOptions, request.page, options.templateOption);
    request.templateOptions = &templateOptions;
    return request;
}

} // namespace dirforge::cli
