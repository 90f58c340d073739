#include "engine/JournalText.h"

#include "core/Utf8.h"
#include "engine/RunJournal.h"

#include <charconv>

namespace dirforge::engine::journal {

using namespace std::string_view_literals;

void AppendNumber(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

void AppendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

bool IsUtf8(std::string_view text) {
    return core::IsValidUtf8(text);
}

void AppendText(std::string& out, std::string_view text) {
    static constexpr char digits[] = "0123456789abcdef";
    if (!IsUtf8(text)) {
        out += "{\"hex\":\""sv;
        for (const unsigned char byte : text) {
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
        out += "\"}"sv;
        return;
    }
    out += '"';
    // Runs of characters that need no escape are appended whole.
    std::size_t plain = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text.substr(plain, at - plain));
        plain = at + 1;
        if (byte >= 0x20) {
            out += '\\';
            out += c;
        } else {
            out += "\\u00"sv;
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
    }
    out.append(text.substr(plain));
    out += '"';
}

void AppendIdentity(std::string& out, const platform::FileIdentity& identity) {
    out += '[';
    AppendNumber(out, identity.device);
    out += ',';
    AppendNumber(out, identity.inode);
    out += ',';
    AppendNumber(out, identity.size);
    out += ',';
    AppendNumber(out, identity.modified);
    out += ']';
}

void AppendIdentity(std::string& out, const platform::FolderIdentity& identity) {
    out += '[';
    AppendNumber(out, identity.device);
    out += ',';
    AppendNumber(out, identity.inode);
    out += ']';
}

std::string HeaderLine(PageKind page, std::string_view attachLetter, std::string_view destination,
                       const RunCounters& counters) {
    std::string line = "{\"version\":" + std::to_string(kLinesVersion) + ",\"page\":\"" +
                       PageName(page) + "\",\"lastAttachMode\":";
    AppendText(line, attachLetter);
    line += ",\"lastDestination\":";
    AppendText(line, destination);
    line += ",\"ToCreate\":[";
    const char* separator = "";
    for (const auto& cells : counters.cells) {
        line += separator;
        const double value = cells[static_cast<int>(CounterColumn::ToCreate)];
        line += value >= 0 && value < 9.0e15 &&
                        value == static_cast<double>(static_cast<std::int64_t>(value))
                    ? std::to_string(static_cast<std::int64_t>(value))
                    : std::string("0");
        separator = ",";
    }
    line += "]}\n";
    return line;
}

void AppendDrive(std::string& out, char letter, std::string_view root) {
    out += "{\"drive\":\""sv;
    out += letter;
    out += "\",\"root\":"sv;
    AppendText(out, root);
    out += "}\n"sv;
}

void AppendAnchor(std::string& out, const RunAnchor& anchor) {
    AppendFileRecord(out, "anchor", anchor.path, anchor.identity);
}

namespace {

/// The path, or true (an empty path) for the item the last intent names.
void AppendPathOrIntent(std::string& out, std::string_view path) {
    if (path.empty())
        out += "true"sv;
    else
        AppendText(out, path);
}

} // namespace

void AppendMade(std::string& out, std::string_view path, const platform::FolderIdentity& identity,
                std::string_view list) {
    out += "{\"made\":"sv;
    AppendPathOrIntent(out, path);
    out += ",\"id\":"sv;
    AppendIdentity(out, identity);
    if (!list.empty()) {
        out += ",\"list\":\""sv;
        out += list;
        out += '"';
    }
    out += "}\n"sv;
}

void AppendPathRecord(std::string& out, std::string_view key, std::string_view path) {
    out += "{\""sv;
    out += key;
    out += "\":"sv;
    AppendText(out, path);
    out += "}\n"sv;
}

void AppendFileRecord(std::string& out, std::string_view key, std::string_view path,
                      const platform::FileIdentity& identity) {
    out += "{\""sv;
    out += key;
    out += "\":"sv;
    AppendPathOrIntent(out, path);
    out += ",\"id\":"sv;
    AppendIdentity(out, identity);
    out += "}\n"sv;
}

void AppendUndoBlock(std::string& out, const RunResults& results) {
    out += "{\"undo\":1}\n"sv;
    const auto withIds = [](const auto& paths, const auto& ids) {
        return ids.size() == paths.size();
    };
    const bool folderIds = withIds(results.FoldersFailedUndo, results.FailedUndoIdentities);
    for (std::size_t i = 0; i < results.FoldersFailedUndo.size(); ++i)
        AppendFileRecord(out, "failedFolder", results.FoldersFailedUndo[i],
                         folderIds ? results.FailedUndoIdentities[i] : platform::FileIdentity{});
    const bool fileIds = withIds(results.UndoRetry, results.UndoRetryIdentities);
    for (std::size_t i = 0; i < results.UndoRetry.size(); ++i)
        AppendFileRecord(out, "retryFile", results.UndoRetry[i],
                         fileIds ? results.UndoRetryIdentities[i] : platform::FileIdentity{});
    out += "{\"undone\":[" + std::to_string(results.FoldersFailedUndo.size()) + "," +
           std::to_string(results.UndoRetry.size()) + "]}\n";
}

} // namespace dirforge::engine::journal
