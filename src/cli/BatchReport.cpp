#include "cli/BatchReport.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <sstream>

namespace dirforge::cli {

namespace {

using engine::CounterColumn;
using engine::CounterRow;
using nlohmann::json;

struct RowName {
    CounterRow row;
    const char* key;
    const char* caption;
};
constexpr RowName kRows[] = {{CounterRow::Folders, "folders", "Folders"},
                             {CounterRow::Subfolders, "subfolders", "Subfolders"},
                             {CounterRow::Files, "files", "Files"},
                             {CounterRow::Bytes, "bytes", "Bytes"}};

struct ColumnName {
    CounterColumn column;
    const char* key;
    const char* caption;
};
constexpr ColumnName kColumns[] = {{CounterColumn::ToCreate, "toCreate", "to create"},
                                   {CounterColumn::Created, "created", "created"},
                                   {CounterColumn::Exist, "exist", "exist"},
                                   {CounterColumn::Other, "other", "other"}};

struct ListName {
    const char* key;
    const char* caption;
};
constexpr ListName kLists[engine::ResultListCount] = {
    {"foldersCreated", "Folders created"},
    {"subFoldersCreated", "Subfolders created"},
    {"filesCreated", "Files created"},
    {"foldersExist", "Folders that already exist"},
    {"foldersOther", "Folders not created for other reasons"},
    {"foldersFailedUndo", "Folders whose undo failed"}};

constexpr const char* kKeptFilesCaption = "Files whose undo failed";
constexpr const char* kUnlistedCaption = "Not made or copied below the new folders";

/// Counters are whole numbers kept as doubles: shown without decimals while they fit.
json CounterValue(double value) {
    if (value == std::floor(value) && std::fabs(value) < 9.0e15)
        return static_cast<std::int64_t>(value);
    return value;
}

std::string CounterText(double value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(0) << value;
    return text.str();
}

} // namespace

void PrintSummary(std::ostream& out, const engine::RunCounters& counters, const ResultLists& lists,
                  const ReportCauses& causes, const std::vector<std::string>* keptFiles,
                  const std::vector<std::string>* gone) {
    constexpr int kCaptionWidth = 12;
    constexpr int kCellWidth = 14;
    out << std::left << std::setw(kCaptionWidth) << "" << std::right;
    for (const ColumnName& column : kColumns)
        out << std::setw(kCellWidth) << column.caption;
    out << '\n';
    for (const RowName& row : kRows) {
        out << std::left << std::setw(kCaptionWidth) << row.caption << std::right;
        for (const ColumnName& column : kColumns)
            out << std::setw(kCellWidth) << CounterText(counters.at(row.row, column.column));
        out << '\n';
    }
    out << "Failed undo: " << CounterText(counters.failedUndo) << '\n';
    if (keptFiles != nullptr)
        out << "Files kept by the undo: " << keptFiles->size() << '\n';
    if (gone != nullptr)
        out << "Already gone: " << gone->size() << '\n';
    const auto printList = [&out, &causes](const char* caption,
                                           const std::vector<std::string>& list) {
        if (list.empty())
            return;
        out << '\n' << caption << " (" << list.size() << "):\n";
        for (const std::string& path : list) {
            out << "  " << path;
            if (const auto cause = causes.byPath.find(path); cause != causes.byPath.end())
                out << "  (" << cause->second << ')';
            out << '\n';
        }
    };
    for (std::size_t i = 0; i < lists.size(); ++i)
        printList(kLists[i].caption, lists[i]);
    if (keptFiles != nullptr)
        printList(kKeptFilesCaption, *keptFiles);
    if (gone != nullptr)
        printList("Already gone", *gone);
    printList(kUnlistedCaption, causes.unlisted);
}

std::string JsonReport(const engine::RunCounters& counters, const ResultLists& lists,
                       const ReportCauses& causes, const std::vector<ShownMessage>& messages,
                       const std::vector<std::string>* keptFiles,
                       const std::vector<std::string>* gone) {
    json counterObject;
    for (const RowName& row : kRows) {
        json cells;
        for (const ColumnName& column : kColumns)
            cells[column.key] = CounterValue(counters.at(row.row, column.column));
        counterObject[row.key] = std::move(cells);
    }
    counterObject["failedUndo"] = CounterValue(counters.failedUndo);

    json listObject;
    for (std::size_t i = 0; i < lists.size(); ++i)
        listObject[kLists[i].key] = lists[i];
    if (keptFiles != nullptr) {
        counterObject["failedUndoFiles"] = keptFiles->size();
        listObject["filesFailedUndo"] = *keptFiles;
    }
    if (gone != nullptr) {
        counterObject["alreadyGone"] = gone->size();
        listObject["alreadyGone"] = *gone;
    }

    json messageArray = json::array();
    for (const ShownMessage& message : messages)
        messageArray.push_back({{"title", message.title}, {"text", message.text}});

    json reasonObject = json::object();
    for (const auto& [path, reason] : causes.byPath)
        reasonObject[path] = reason;

    const json report{{"counters", std::move(counterObject)},
                      {"lists", std::move(listObject)},
                      {"reasons", std::move(reasonObject)},
                      {"messages", std::move(messageArray)}};
    return report.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

} // namespace dirforge::cli
