#include "engine/RunJournal.h"

#include "core/Utf8.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace dirforge::engine {

namespace {

using nlohmann::json;

/// Version 2 added identities and anchors; a version 1 journal is read without them (its undo
/// then removes nothing and reports what it kept).
constexpr int kJournalVersion = 2;
constexpr int kOldestVersion = 1;
constexpr const char* kHexKey = "hex";
/// The run's "to create" column (folders, subfolders, files, bytes): the undo leaves it as the
/// run set it, as the page's Undo does. Journals written without it read as zeros.
constexpr const char* kToCreateKey = "ToCreate";

/// Calls onList(key, list) for each of the journal's lists in the file's order (results is a
/// RunResults, const or not).
template <typename Results, typename OnList> void ForEachJournalList(Results& r, OnList&& onList) {
    onList("FoldersCreated", r.FoldersCreated);
    onList("SubFoldersCreated", r.SubFoldersCreated);
    onList("FilesCreated", r.FilesCreated);
    onList("FoldersFailedUndo", r.FoldersFailedUndo);
    onList("UndoRetry", r.UndoRetry);
    onList("FoldersMadeByRun", r.FoldersMadeByRun);
}

/// The same for the identity lists, each beside the path list it belongs to.
template <typename Results, typename OnList> void ForEachIdentityList(Results& r, OnList&& onList) {
    onList("FolderIdentities", r.FolderIdentities);
    onList("FileIdentities", r.FileIdentities);
    onList("FailedUndoIdentities", r.FailedUndoIdentities);
    onList("UndoRetryIdentities", r.UndoRetryIdentities);
}

json EncodeIdentity(const platform::FileIdentity& identity) {
    return json::array({identity.device, identity.inode, identity.size, identity.modified});
}

/// A folder's identity is written as a file's, without size and time.
json EncodeIdentity(const platform::FolderIdentity& identity) {
    return EncodeIdentity(identity.file());
}

/// Whole numbers only, in range: a float is never converted (that would be undefined behaviour
/// out of range).
std::uint64_t UnsignedField(const json& value) {
    if (!value.is_number_unsigned())
        throw std::invalid_argument("a number that is not a whole number from 0 to 2^64-1");
    return value.get<std::uint64_t>();
}

std::int64_t SignedField(const json& value) {
    if (!value.is_number_integer() ||
        (value.is_number_unsigned() &&
         value.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)))
        throw std::invalid_argument("a number that is not a whole 64-bit number");
    return value.get<std::int64_t>();
}

platform::FileIdentity DecodeIdentity(const json& value) {
    if (!value.is_array() || value.size() != 4)
        throw std::invalid_argument("bad identity");
    return {UnsignedField(value[0]), UnsignedField(value[1]), SignedField(value[2]),
            SignedField(value[3])};
}

void AppendIdentity(std::vector<platform::FileIdentity>& list, const json& value) {
    list.push_back(DecodeIdentity(value));
}

void AppendIdentity(std::vector<platform::FolderIdentity>& list, const json& value) {
    list.push_back(platform::FolderIdentity::of(DecodeIdentity(value)));
}

char LowerLetter(char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

/// Calls onPath for every path the journal holds (lists, anchors, destination).
template <typename OnPath> void ForEachPath(const RunJournal& journal, OnPath&& onPath) {
    onPath(journal.lastDestination);
    ForEachJournalList(journal.results, [&](const char*, const auto& list) {
        for (const std::string_view path : list)
            onPath(path);
    });
    for (const engine::RunAnchor& anchor : journal.results.Anchors)
        onPath(anchor.path);
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const core::Utf8Char c = core::DecodeUtf8(text, pos);
        if (!c.valid)
            return false;
        pos += c.length;
    }
    return true;
}

json EncodeText(std::string_view text) {
    if (IsUtf8(text))
        return std::string(text);
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

void NoteLetter(std::string_view path, std::map<char, std::string>& drives,
                const platform::DriveMap& map) {
    if (path.size() < 2 || path[1] != ':')
        return;
    const char letter = LowerLetter(path[0]);
    if (drives.count(letter) != 0)
        return;
    if (const auto root = map.rootOf(letter))
        drives[letter] = *root;
}

/// Gathers small pieces of text and hands them to a sink in pieces of about kPieceBytes; after
/// the sink refuses one, everything else is dropped.
class JsonPieces {
public:
    explicit JsonPieces(const platform::ContentSink& sink) : sink_(sink) {
        buffer_.reserve(kPieceBytes);
    }
    void add(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= kPieceBytes)
            handOn();
    }
    /// Hands on what is left; false when the sink refused any piece.
    bool finish() {
        handOn();
        return ok_;
    }

private:
    static constexpr std::size_t kPieceBytes = 64 * 1024;
    void handOn() {
        if (ok_ && !buffer_.empty())
            ok_ = sink_(buffer_);
        buffer_.clear();
    }

    const platform::ContentSink& sink_;
    std::string buffer_;
    bool ok_ = true;
};

/// The line (from 1) of a byte position (from 1) in text.
std::size_t LineAt(const std::string& text, std::size_t bytePosition) {
    const std::size_t end = std::min(bytePosition > 0 ? bytePosition - 1 : 0, text.size());
    return 1 + static_cast<std::size_t>(
                   std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
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
    std::map<char, std::string> letters;
    ForEachPath(journal, [&](std::string_view path) { NoteLetter(path, letters, drives); });
    journal.drives = std::move(letters);
}

std::string PathOnUnnamedDrive(const RunJournal& journal) {
    std::string unnamed;
    ForEachPath(journal, [&](std::string_view path) {
        if (unnamed.empty() && path.size() >= 2 && path[1] == ':' &&
            journal.drives.count(LowerLetter(path[0])) == 0)
            unnamed = path;
    });
    return unnamed;
}

bool NothingLeftToUndo(const RunJournal& journal) {
    const engine::RunResults& r = journal.results;
    return r.FoldersCreated.empty() && r.SubFoldersCreated.empty() && r.FilesCreated.empty() &&
           r.FoldersFailedUndo.empty() && r.UndoRetry.empty() && r.FoldersMadeByRun.empty();
}

bool WriteJournalJson(const RunJournal& journal, const platform::ContentSink& sink) {
    // Written element by element rather than through a JSON tree, and handed on in pieces: a
    // run of a million names would otherwise hold every path several times over while the file
    // is written.
    JsonPieces out(sink);
    out.add("{\n \"version\": " + std::to_string(kJournalVersion) + ",\n \"page\": \"" +
            PageName(journal.page) + "\"");
    const auto member = [&](const char* key, const json& value) {
        out.add(",\n \"");
        out.add(key);
        out.add("\": ");
        out.add(value.dump());
    };
    member("lastAttachMode", EncodeText(journal.lastAttachMode));
    member("lastDestination", EncodeText(journal.lastDestination));
    json drives = json::object();
    for (const auto& [letter, folder] : journal.drives)
        drives[std::string(1, letter)] = EncodeText(folder);
    member("drives", drives);
    const auto array = [&](const char* key, const auto& entries, const auto& encode) {
        out.add(",\n \"");
        out.add(key);
        out.add("\": [");
        const char* separator = "\n  ";
        for (const auto& entry : entries) {
            out.add(separator);
            out.add(encode(entry).dump());
            separator = ",\n  ";
        }
        out.add(entries.empty() ? "]" : "\n ]");
    };
    ForEachJournalList(journal.results, [&](const char* key, const auto& list) {
        array(key, list, [](std::string_view text) { return EncodeText(text); });
    });
    ForEachIdentityList(journal.results, [&](const char* key, const auto& list) {
        array(key, list, [](const auto& identity) { return EncodeIdentity(identity); });
    });
    array("Anchors", journal.results.Anchors, [](const engine::RunAnchor& anchor) {
        return json{{"path", EncodeText(anchor.path)},
                    {"identity", EncodeIdentity(anchor.identity)}};
    });
    json toCreate = json::array();
    for (const auto& cells : journal.results.counters.cells)
        toCreate.push_back(cells[static_cast<int>(engine::CounterColumn::ToCreate)]);
    member(kToCreateKey, toCreate);
    out.add("\n}\n");
    return out.finish();
}

std::string JournalToJson(const RunJournal& journal) {
    std::string text;
    WriteJournalLines(journal, text);
    return text;
}

std::optional<RunJournal> JournalFromJson(const std::string& text, std::string& error,
                                          JournalRead* read) {
    if (LooksLikeJournalLines(text))
        return JournalFromLines(text, error, read);
    try {
        const json root = json::parse(text);
        const json& versionField = root.at("version");
        const std::int64_t version =
            versionField.is_number_integer() ? SignedField(versionField) : -1;
        if (read != nullptr)
            read->version = static_cast<int>(std::clamp<std::int64_t>(version, -1, 1000));
        if (version < kOldestVersion || version > kJournalVersion) {
            error = "a dirforge undo journal of an unknown version";
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
            const char lower = letter.size() == 1 ? LowerLetter(letter[0]) : '\0';
            if (lower < 'a' || lower > 'z')
                throw std::invalid_argument("bad drive letter");
            journal.drives[lower] = DecodeText(folder);
        }
        ForEachJournalList(journal.results, [&](const char* key, auto& list) {
            for (const json& entry : root.at(key))
                list.push_back(DecodeText(entry));
        });
        if (version >= 2) {
            ForEachIdentityList(journal.results, [&](const char* key, auto& list) {
                for (const json& entry : root.at(key))
                    AppendIdentity(list, entry);
            });
            for (const json& anchor : root.at("Anchors"))
                journal.results.Anchors.push_back(
                    {DecodeText(anchor.at("path")), DecodeIdentity(anchor.at("identity"))});
        }
        if (root.contains(kToCreateKey)) {
            const auto toCreate = root.at(kToCreateKey).get<std::vector<double>>();
            if (toCreate.size() != journal.results.counters.cells.size())
                throw std::invalid_argument("bad to-create counters");
            for (std::size_t row = 0; row < toCreate.size(); ++row)
                journal.results.counters
                    .cells[row][static_cast<int>(engine::CounterColumn::ToCreate)] = toCreate[row];
        }
        return journal;
    } catch (const json::parse_error& e) {
        error = "not a dirforge undo journal (invalid JSON on line " +
                std::to_string(LineAt(text, e.byte)) + ")";
        return std::nullopt;
    } catch (const std::exception& e) {
        error = std::string("not a dirforge undo journal (") + e.what() + ")";
        return std::nullopt;
    }
}

std::optional<RunJournal> ReadJournalFile(const platform::FileSystem& fs, const std::string& path,
                                          std::string& error, JournalRead* found) {
    const platform::TextFileRead read = fs.readTextFile(path, kJournalFileLimit);
    if (read.tooLarge) {
        error = "too large to be a dirforge undo journal";
        return std::nullopt;
    }
    if (!read.content) {
        error = "not readable";
        return std::nullopt;
    }
    // A version 3 journal cut by a power loss may end in zeros: its records before them count.
    if (read.nulByte && !LooksLikeJournalLines(*read.content)) {
        error = "not a dirforge undo journal (it holds a NUL byte)";
        return std::nullopt;
    }
    return JournalFromJson(*read.content, error, found);
}

bool WriteJournalFile(platform::FileSystem& fs, const platform::DriveMap& drives,
                      const std::string& path, RunJournal& journal) {
    RecordDrives(journal, drives);
    return fs.streamFileAtomic(path, [&journal](const platform::ContentSink& sink) {
        std::string text;
        WriteJournalLines(journal, text);
        return sink(text);
    });
}

} // namespace dirforge::engine
