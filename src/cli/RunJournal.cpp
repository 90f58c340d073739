#include "cli/RunJournal.h"

#include "core/Utf8.h"

#include <nlohmann/json.hpp>

#include <array>
#include <utility>

namespace dirforge::cli {

namespace {

using nlohmann::json;

constexpr int kJournalVersion = 1;
constexpr const char* kHexKey = "hex";
/// The run's "to create" column (folders, subfolders, files, bytes): the undo leaves it as the
/// run set it, as the page's Undo does. Journals written without it read as zeros.
constexpr const char* kToCreateKey = "ToCreate";

/// The journal's lists with their keys.
std::array<std::pair<const char*, std::vector<std::string> engine::RunResults::*>, 6> JournalLists() {
    using R = engine::RunResults;
    return {{{"FoldersCreated", &R::FoldersCreated},
             {"SubFoldersCreated", &R::SubFoldersCreated},
             {"FilesCreated", &R::FilesCreated},
             {"FoldersFailedUndo", &R::FoldersFailedUndo},
             {"UndoRetry", &R::UndoRetry},
             {"FoldersMadeByRun", &R::FoldersMadeByRun}}};
}

bool IsUtf8(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const core::Utf8Char c = core::DecodeUtf8(text, pos);
        if (!c.valid)
            return false;
        pos += c.length;
    }
    return true;
}

json EncodeText(const std::string& text) {
    if (IsUtf8(text))
        return text;
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : text) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return json{{kHexKey, hex}};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

/// Throws json::type_error (caught by the reader) on anything but a text or a hex object.
std::string DecodeText(const json& value) {
    if (value.is_string())
        return value.get<std::string>();
    const std::string hex = value.at(kHexKey).get<std::string>();
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            throw std::invalid_argument("bad hex text");
        text += static_cast<char>(high * 16 + low);
    }
    if (hex.size() % 2 != 0)
        throw std::invalid_argument("bad hex text");
    return text;
}

void NoteLetter(const std::string& path, std::map<char, std::string>& drives, const platform::DriveMap& map) {
    if (path.size() < 2 || path[1] != ':')
        return;
    const char letter = static_cast<char>(path[0] >= 'A' && path[0] <= 'Z' ? path[0] - 'A' + 'a' : path[0]);
    if (drives.count(letter) != 0)
        return;
    if (const auto root = map.rootOf(letter))
        drives[letter] = *root;
}

} // namespace

const char* PageName(engine::PageKind page) {
    switch (page) {
    case engine::PageKind::Strings:
        return "strings";
    case engine::PageKind::Paths:
        return "paths";
    case engine::PageKind::Numbers:
        break;
    }
    return "numbers";
}

void RecordDrives(RunJournal& journal, const platform::DriveMap& drives) {
    NoteLetter(journal.lastDestination, journal.drives, drives);
    for (const auto& [key, list] : JournalLists())
        for (const std::string& path : journal.results.*list)
            NoteLetter(path, journal.drives, drives);
}

std::string JournalToJson(const RunJournal& journal) {
    json root;
    root["version"] = kJournalVersion;
    root["page"] = PageName(journal.page);
    root["lastAttachMode"] = EncodeText(journal.lastAttachMode);
    root["lastDestination"] = EncodeText(journal.lastDestination);
    json drives = json::object();
    for (const auto& [letter, folder] : journal.drives)
        drives[std::string(1, letter)] = EncodeText(folder);
    root["drives"] = std::move(drives);
    for (const auto& [key, list] : JournalLists()) {
        json entries = json::array();
        for (const std::string& path : journal.results.*list)
            entries.push_back(EncodeText(path));
        root[key] = std::move(entries);
    }
    json toCreate = json::array();
    for (const auto& cells : journal.results.counters.cells)
        toCreate.push_back(cells[static_cast<int>(engine::CounterColumn::ToCreate)]);
    root[kToCreateKey] = std::move(toCreate);
    return root.dump(1) + "\n";
}

std::optional<RunJournal> JournalFromJson(const std::string& text, std::string& error) {
    try {
        const json root = json::parse(text);
        if (root.at("version").get<int>() != kJournalVersion) {
            error = "unknown journal version";
            return std::nullopt;
        }
        RunJournal journal;
        const std::string page = root.at("page").get<std::string>();
        if (page == "strings")
            journal.page = engine::PageKind::Strings;
        else if (page == "paths")
            journal.page = engine::PageKind::Paths;
        else if (page == "numbers")
            journal.page = engine::PageKind::Numbers;
        else
            throw std::invalid_argument("unknown page");
        journal.lastAttachMode = DecodeText(root.at("lastAttachMode"));
        journal.lastDestination = DecodeText(root.at("lastDestination"));
        for (const auto& [letter, folder] : root.at("drives").items()) {
            if (letter.size() != 1)
                throw std::invalid_argument("bad drive letter");
            journal.drives[letter[0]] = DecodeText(folder);
        }
        for (const auto& [key, list] : JournalLists())
            for (const json& entry : root.at(key))
                (journal.results.*list).push_back(DecodeText(entry));
        if (root.contains(kToCreateKey)) {
            const auto toCreate = root.at(kToCreateKey).get<std::vector<double>>();
            if (toCreate.size() != journal.results.counters.cells.size())
                throw std::invalid_argument("bad to-create counters");
            for (std::size_t row = 0; row < toCreate.size(); ++row)
                journal.results.counters.cells[row][static_cast<int>(engine::CounterColumn::ToCreate)] = toCreate[row];
        }
        return journal;
    } catch (const std::exception& e) {
        error = std::string("not a dirforge undo journal (") + e.what() + ")";
        return std::nullopt;
    }
}

} // namespace dirforge::cli
