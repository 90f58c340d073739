// Journal version 3: one JSON object a line, read record by record. Every complete line is
// taken; an unterminated last line (a write cut by a power loss) is left out and said so. A line
// that is not what its record must be (a number out of range, a wrong type, a repeated record or
// key) refuses the whole journal with its line number.

#include "engine/JournalText.h"
#include "engine/RunJournal.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace dirforge::engine {

namespace {

using nlohmann::json;

struct LineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::uint64_t Unsigned(const json& value) {
    if (!value.is_number_unsigned())
        throw LineError("a number that is not a whole number from 0 to 2^64-1");
    return value.get<std::uint64_t>();
}

std::int64_t Signed(const json& value) {
    if (!value.is_number_integer())
        throw LineError("a number that is not a whole 64-bit number");
    if (value.is_number_unsigned()) {
        const auto big = value.get<std::uint64_t>();
        if (big > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            throw LineError("a number out of range");
        return static_cast<std::int64_t>(big);
    }
    return value.get<std::int64_t>();
}

std::string Text(const json& value) {
    if (value.is_string())
        return value.get<std::string>();
    if (!value.is_object() || value.size() != 1 || !value.contains(journal::kHexKey) ||
        !value.at(journal::kHexKey).is_string())
        throw LineError("a path that is neither a text nor {\"hex\": ...}");
    const std::string hex = value.at(journal::kHexKey).get<std::string>();
    if (hex.size() % 2 != 0)
        throw LineError("bad hex text");
    std::string text;
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        throw LineError("bad hex text");
    };
    for (std::size_t i = 0; i < hex.size(); i += 2)
        text += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    return text;
}

platform::FileIdentity Identity(const json& record, std::size_t size) {
    const auto found = record.find("id");
    if (found == record.end() || !found->is_array() || found->size() != size)
        throw LineError("an identity that is not an array of " + std::to_string(size) + " numbers");
    const json& id = *found;
    platform::FileIdentity identity{Unsigned(id[0]), Unsigned(id[1])};
    if (size == 4) {
        identity.size = Signed(id[2]);
        identity.modified = Signed(id[3]);
    }
    return identity;
}

/// Parses one line, refusing a key repeated in one object.
json ParseLine(std::string_view line) {
    std::vector<std::vector<std::string>> keys;
    const json::parser_callback_t check = [&keys](int, json::parse_event_t event, json& parsed) {
        switch (event) {
        case json::parse_event_t::object_start:
            keys.emplace_back();
            break;
        case json::parse_event_t::object_end:
            keys.pop_back();
            break;
        case json::parse_event_t::key: {
            const std::string& key = parsed.get_ref<const std::string&>();
            for (const std::string& seen : keys.back())
                if (seen == key)
                    throw LineError("the key \"" + key + "\" twice");
            keys.back().push_back(key);
            break;
        }
        default:
            break;
        }
        return true;
    };
    try {
        json value = json::parse(line.begin(), line.end(), check);
        if (!value.is_object())
            throw LineError("a line that is not a JSON object");
        return value;
    } catch (const json::parse_error&) {
        throw LineError("invalid JSON");
    }
}

/// Refuses a record holding any key but the ones named.
void OnlyKeys(const json& record, std::initializer_list<const char*> allowed) {
    for (const auto& [key, value] : record.items()) {
        bool known = false;
        for (const char* name : allowed)
            known = known || key == name;
        if (!known)
            throw LineError("an unknown key \"" + key + "\"");
    }
}

const json* Find(const json& record, const char* key) {
    const auto found = record.find(key);
    return found == record.end() ? nullptr : &*found;
}

void ReadHeader(const json& header, RunJournal& journal) {
    OnlyKeys(header, {"version", "page", "lastAttachMode", "lastDestination", "ToCreate"});
    if (Unsigned(header.at("version")) != journal::kLinesVersion)
        throw LineError("an unknown version");
    const json& page = header.at("page");
    if (page == "strings")
        journal.page = PageKind::Strings;
    else if (page == "paths")
        journal.page = PageKind::Paths;
    else if (page == "numbers")
        journal.page = PageKind::Numbers;
    else
        throw LineError("an unknown page");
    journal.lastAttachMode = Text(header.at("lastAttachMode"));
    journal.lastDestination = Text(header.at("lastDestination"));
    const json& toCreate = header.at("ToCreate");
    if (!toCreate.is_array() || toCreate.size() != journal.results.counters.cells.size())
        throw LineError("bad to-create counters");
    for (std::size_t row = 0; row < toCreate.size(); ++row)
        journal.results.counters.cells[row][static_cast<int>(CounterColumn::ToCreate)] =
            static_cast<double>(Unsigned(toCreate[row]));
}

/// Replays the records of one journal into a RunJournal.
class Replay {
public:
    explicit Replay(RunJournal& journal) : journal_(journal), r_(journal.results) {}

    void record(const json& line) {
        if (line.contains("version"))
            throw LineError("a second header");
        if (!inLane_ && line.contains("lane")) {
            laneRecord(line);
            return;
        }
        if (!inLane_ && line.contains("laneDone")) {
            OnlyKeys(line, {"laneDone"});
            const auto found = lanes_.find(Unsigned(line.at("laneDone")));
            if (found != lanes_.end()) { // a lane whose journal failed first has no records
                takeLane(found->second, true);
                lanes_.erase(found);
            }
            return;
        }
        if (inLane_ &&
            (line.contains("undo") || line.contains("finished") || line.contains("madeId") ||
             line.contains("madeIds") || line.contains("laneDone")))
            throw LineError("a record that has no place in a lane");
        if (!inUndo_ && line.contains("undo"))
            settleLanes(); // what a killed run left in flight is the undo's to remove too
        if (inUndo_ || line.contains("undo")) {
            undoRecord(line);
            return;
        }
        const json* it = nullptr;
        if ((it = Find(line, "made")) != nullptr) {
            OnlyKeys(line, {"made", "id", "list"});
            const std::string path = pathOrIntent(*it, false);
            const platform::FileIdentity id = Identity(line, 2);
            if (id.known() && !seen_.insert(Key(path, id)).second)
                throw LineError("a repeated record");
            std::vector<std::string>* listed = nullptr;
            if (const json* list = Find(line, "list")) {
                const std::string name = Text(*list);
                listed = name == "created" ? &r_.FoldersCreated
                         : name == "sub"   ? &r_.SubFoldersCreated
                                           : nullptr;
                if (listed == nullptr)
                    throw LineError("an unknown list");
            }
            resolve(path, false);
            r_.FoldersMadeByRun.push_back(path);
            r_.FolderIdentities.push_back(platform::FolderIdentity::of(id));
            pending_.push_back(!id.known());
            if (listed != nullptr)
                listed->push_back(path);
        } else if ((it = Find(line, "madeId")) != nullptr) {
            OnlyKeys(line, {"madeId", "id"});
            learnIdentity(Unsigned(*it), platform::FolderIdentity::of(Identity(line, 2)));
        } else if ((it = Find(line, "madeIds")) != nullptr) {
            OnlyKeys(line, {"madeIds", "ids"});
            const std::uint64_t first = Unsigned(*it);
            const json& ids = line.at("ids");
            if (!ids.is_array() || ids.empty() || ids.size() % 2 != 0)
                throw LineError("identities that are not pairs of numbers");
            for (std::size_t k = 0; k < ids.size(); k += 2)
                learnIdentity(first + k / 2, {Unsigned(ids[k]), Unsigned(ids[k + 1])});
        } else if ((it = Find(line, "file")) != nullptr) {
            OnlyKeys(line, {"file", "id"});
            const std::string path = pathOrIntent(*it, true);
            const platform::FileIdentity id = Identity(line, 4);
            if (id.known() && !seen_.insert(Key(path, id)).second)
                throw LineError("a repeated record");
            resolve(path, true);
            r_.FilesCreated.push_back(path);
            r_.FileIdentities.push_back(id);
        } else if ((it = Find(line, "created")) != nullptr) {
            OnlyKeys(line, {"created"});
            r_.FoldersCreated.push_back(Text(*it));
        } else if ((it = Find(line, "sub")) != nullptr) {
            OnlyKeys(line, {"sub"});
            r_.SubFoldersCreated.push_back(Text(*it));
        } else if ((it = Find(line, "anchor")) != nullptr) {
            OnlyKeys(line, {"anchor", "id"});
            RunAnchor anchor{Text(*it), Identity(line, 4)};
            for (const RunAnchor& known : r_.Anchors) {
                if (known.path != anchor.path)
                    continue;
                if (inLane_)
                    return; // every lane names the anchors it works in; the first one stands
                throw LineError("a repeated record");
            }
            r_.Anchors.push_back(std::move(anchor));
        } else if ((it = Find(line, "making")) != nullptr ||
                   (it = Find(line, "copying")) != nullptr) {
            const bool file = line.contains("copying");
            OnlyKeys(line, {file ? "copying" : "making", "t"});
            const std::int64_t since = Signed(line.at("t"));
            if (since <= 0)
                throw LineError("a time out of range");
            intent_ = Intent{Text(*it), since, file};
        } else if ((it = Find(line, "finished")) != nullptr) {
            OnlyKeys(line, {"finished"});
            intent_.reset();
        } else if ((it = Find(line, "drive")) != nullptr) {
            drive(line, *it);
        } else {
            throw LineError("an unknown record");
        }
    }

    /// After the last line: a killed run's folders without identity may be removed when empty.
    void end() {
        settleLanes();
        for (std::size_t i = 0; i < pending_.size(); ++i)
            if (pending_[i])
                r_.FolderIdentities[i] = {0, platform::FileIdentity::kUnverifiedInode};
        if (intent_)
            unverified(*intent_);
    }

private:
    /// The last item the run began to make and has not recorded as made.
    struct Intent {
        std::string path;
        std::int64_t since = 0;
        bool file = false;
    };

    /// A made folder's or copied file's path, or true for the item the last intent names.
    std::string pathOrIntent(const json& value, bool file) const {
        if (!value.is_boolean())
            return Text(value);
        if (!value.get<bool>() || !intent_ || intent_->file != file)
            throw LineError("a record of an item no intent names");
        return intent_->path;
    }

    /// The identity of the index-th made folder, recorded after it.
    void learnIdentity(std::uint64_t index, const platform::FolderIdentity& identity) {
        if (index >= pending_.size())
            throw LineError("an identity of a folder not made");
        if (!pending_[index])
            throw LineError("a repeated record");
        pending_[index] = false;
        r_.FolderIdentities[index] = identity;
    }

    /// The item in flight when the run was killed: removed only when it changed after the run
    /// began making it.
    void unverified(const Intent& intent) {
        const auto since = static_cast<std::uint64_t>(intent.since);
        if (intent.file) {
            r_.FilesCreated.push_back(intent.path);
            r_.FileIdentities.push_back(
                {0, platform::FileIdentity::kUnverifiedInode, -1, intent.since});
        } else {
            r_.FoldersMadeByRun.push_back(intent.path);
            r_.FolderIdentities.push_back({since, platform::FileIdentity::kUnverifiedInode});
        }
    }

    /// Takes the lanes a killed run had not recorded yet, each with its item in flight.
    void settleLanes() {
        for (auto& [lane, records] : lanes_)
            if (const std::optional<Intent> left = takeLane(records, false))
                unverified(*left);
        lanes_.clear();
    }

    void laneRecord(const json& line) {
        OnlyKeys(line, {"lane", "r"});
        const std::uint64_t lane = Unsigned(line.at("lane"));
        const json& inner = line.at("r");
        if (!inner.is_object() || inner.contains("lane") || inner.contains("version"))
            throw LineError("a lane record that is not one record");
        lanes_[lane].push_back(inner);
    }

    /// Replays one lane's records; a finished lane's last intent was settled by its worker, an
    /// unfinished one's is handed back.
    std::optional<Intent> takeLane(const std::vector<json>& records, bool finished) {
        std::optional<Intent> outer = std::move(intent_);
        intent_.reset();
        inLane_ = true;
        for (const json& inner : records)
            record(inner);
        inLane_ = false;
        std::optional<Intent> left = finished ? std::nullopt : std::move(intent_);
        intent_ = std::move(outer);
        return left;
    }

    static std::string Key(const std::string& path, const platform::FileIdentity& id) {
        return path + '\0' + std::to_string(id.device) + ':' + std::to_string(id.inode);
    }

    void drive(const json& line, const json& letter) {
        OnlyKeys(line, {"drive", "root"});
        const std::string text = Text(letter);
        if (text.size() != 1 || text[0] < 'a' || text[0] > 'z')
            throw LineError("a bad drive letter");
        const std::string root = Text(line.at("root"));
        const auto [known, added] = journal_.drives.emplace(text[0], root);
        // A lane names the drives it writes to; the same drive again is no contradiction.
        if (!added && !(inLane_ && known->second == root))
            throw LineError("a repeated record");
    }

    void undoRecord(const json& line) {
        if (line.contains("undo")) {
            OnlyKeys(line, {"undo"});
            inUndo_ = true; // an earlier block left open (its undo was killed) is dropped
            failedFolders_.clear();
            failedIds_.clear();
            retryFiles_.clear();
            retryIds_.clear();
            return;
        }
        if (line.contains("finished") && line.size() == 1) {
            inUndo_ = false; // the writer's end mark after an undo's outcome
            return;
        }
        if (!inUndo_)
            throw LineError("a record after the end of an undo");
        const json* it = nullptr;
        if ((it = Find(line, "failedFolder")) != nullptr) {
            OnlyKeys(line, {"failedFolder", "id"});
            failedFolders_.push_back(Text(*it));
            failedIds_.push_back(Identity(line, 4));
        } else if ((it = Find(line, "retryFile")) != nullptr) {
            OnlyKeys(line, {"retryFile", "id"});
            retryFiles_.push_back(Text(*it));
            retryIds_.push_back(Identity(line, 4));
        } else if ((it = Find(line, "undone")) != nullptr) {
            OnlyKeys(line, {"undone"});
            if (!it->is_array() || it->size() != 2 || Unsigned((*it)[0]) != failedFolders_.size() ||
                Unsigned((*it)[1]) != retryFiles_.size())
                throw LineError("an undo end that does not count its records");
            std::vector<RunAnchor> anchors = std::move(r_.Anchors);
            r_.clearLists();
            r_.clearUndoRetry();
            r_.Anchors = std::move(anchors);
            r_.FoldersFailedUndo = std::move(failedFolders_);
            r_.FailedUndoIdentities = std::move(failedIds_);
            r_.UndoRetry = std::move(retryFiles_);
            r_.UndoRetryIdentities = std::move(retryIds_);
            pending_.clear();
            intent_.reset();
            inUndo_ = false;
            undone_ = true;
        } else {
            throw LineError("an unknown record in an undo");
        }
    }

    void resolve(const std::string& path, bool file) {
        if (intent_ && intent_->file == file && intent_->path == path)
            intent_.reset();
    }

    std::optional<Intent> intent_;
    /// Records of the lanes whose end the run has not written yet, by lane.
    std::map<std::uint64_t, std::vector<json>> lanes_;
    bool inLane_ = false;
    RunJournal& journal_;
    RunResults& r_;
    /// For each made folder: its identity is still to come (a madeId record).
    std::vector<bool> pending_;
    std::unordered_set<std::string> seen_;
    bool inUndo_ = false, undone_ = false;
    std::vector<std::string> failedFolders_, retryFiles_;
    std::vector<platform::FileIdentity> failedIds_, retryIds_;
};

} // namespace

bool LooksLikeJournalLines(std::string_view text) {
    constexpr std::string_view start = "{\"version\":3,";
    return text.substr(0, start.size()) == start;
}

std::optional<RunJournal> JournalFromLines(const std::string& text, std::string& error,
                                           JournalRead* read) {
    RunJournal journal;
    Replay replay(journal);
    std::size_t lineNumber = 0, pos = 0;
    try {
        while (pos < text.size()) {
            const std::size_t end = text.find('\n', pos);
            if (end == std::string::npos) {
                if (read != nullptr)
                    read->tornTail = true; // an unterminated last record: left out
                break;
            }
            ++lineNumber;
            const json line = ParseLine(std::string_view(text).substr(pos, end - pos));
            if (lineNumber == 1)
                ReadHeader(line, journal);
            else
                replay.record(line);
            pos = end + 1;
        }
        if (lineNumber == 0)
            throw LineError("no complete header");
        replay.end();
    } catch (const LineError& e) {
        error = "not a dirforge undo journal (line " +
                std::to_string(lineNumber + (lineNumber == 0)) + ": " + e.what() + ")";
        return std::nullopt;
    } catch (const json::exception& e) {
        error = "not a dirforge undo journal (line " + std::to_string(lineNumber) + ": " +
                "a missing or mistyped field)";
        return std::nullopt;
    }
    if (read != nullptr) {
        read->version = journal::kLinesVersion;
        read->completeBytes = pos;
    }
    return journal;
}

void WriteJournalLines(const RunJournal& journal, std::string& out) {
    const RunResults& r = journal.results;
    out += journal::HeaderLine(journal.page, journal.lastAttachMode, journal.lastDestination,
                               r.counters);
    for (const auto& [letter, root] : journal.drives)
        journal::AppendDrive(out, letter, root);
    for (const RunAnchor& anchor : r.Anchors)
        journal::AppendAnchor(out, anchor);
    // An earlier undo's outcome first: the reader takes the records after it as they come.
    if (!r.FoldersFailedUndo.empty() || !r.UndoRetry.empty())
        journal::AppendUndoBlock(out, r);
    const bool madeIds = r.FolderIdentities.size() == r.FoldersMadeByRun.size();
    std::size_t i = 0;
    for (const std::string_view path : r.FoldersMadeByRun) {
        const platform::FolderIdentity id =
            madeIds ? r.FolderIdentities[i] : platform::FolderIdentity{};
        journal::AppendMade(out, path, id);
        if (!id.known()) // not a folder whose identity is still to come: one nobody knows
            out += "{\"madeId\":" + std::to_string(i) + ",\"id\":[0,0]}\n";
        ++i;
    }
    for (const std::string& path : r.FoldersCreated)
        journal::AppendPathRecord(out, "created", path);
    for (const std::string& path : r.SubFoldersCreated)
        journal::AppendPathRecord(out, "sub", path);
    const bool fileIds = r.FileIdentities.size() == r.FilesCreated.size();
    for (std::size_t f = 0; f < r.FilesCreated.size(); ++f)
        journal::AppendFileRecord(out, "file", r.FilesCreated[f],
                                  fileIds ? r.FileIdentities[f] : platform::FileIdentity{});
}

} // namespace dirforge::engine
