#include "engine/TokenExpander.h"

#include "core/Utf8.h"
#include "platform/FailureReason.h"

#include <ctime>

namespace dirforge::engine {

namespace {

/// The value of a token word, or null for a word that is no token.
const std::string* ValueOf(std::string_view word, const TokenValues& values, std::string& part) {
    if (word == "name")
        return &values.name;
    if (word == "item")
        return &values.item;
    if (word == "date")
        return &values.date;
    // yyyy-mm-dd: the parts by their places.
    const auto datePart = [&](std::size_t at, std::size_t length) {
        part = values.date.size() >= at + length ? values.date.substr(at, length) : std::string();
        return &part;
    };
    if (word == "yyyy")
        return datePart(0, 4);
    if (word == "mm")
        return datePart(5, 2);
    if (word == "dd")
        return datePart(8, 2);
    return nullptr;
}

/// Why value may not stand in a name: "" when it may.
std::string RefusalOf(std::string_view word, const std::string& value) {
    for (char c : value) {
        if (c == '\\' || c == '/')
            return "{" + std::string(word) + "} holds a path separator";
        // Blanks and dots are refused only at a name's end, which the file system judges.
        if (c != ' ' && c != '.') {
            const std::string reason = platform::RefusedNameReason(std::string(1, c));
            if (!reason.empty())
                return "{" + std::string(word) + "}: " + reason;
        }
    }
    return {};
}

} // namespace

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string ExpandTokens(std::string_view text, const TokenValues& values, std::string* refusal) {
    std::string out;
    out.reserve(text.size());
    std::string part;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = text.find('}', open + 1);
        if (close == std::string_view::npos)
            break;
        const std::string_view word = text.substr(open + 1, close - open - 1);
        const std::string* value = ValueOf(word, values, part);
        if (value == nullptr) {
            // Not a token: kept as typed; a "{" inside it may still open one.
            out.append(text.substr(at, open + 1 - at));
            at = open + 1;
            continue;
        }
        if (refusal != nullptr && refusal->empty())
            *refusal = RefusalOf(word, *value);
        out.append(text.substr(at, open - at)).append(*value);
        at = close + 1;
    }
    out.append(text.substr(at));
    return out;
}

bool IsTokenText(std::string_view bytes) {
    return bytes.find('\0') == std::string_view::npos && core::IsValidUtf8(bytes);
}

} // namespace dirforge::engine
