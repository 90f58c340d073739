#pragma once
// The tokens a run replaces when the user asks for it: in the prefix and the suffix, in template
// lines, in the names of copied folders and files and in the contents of small text files.
// {name} is the new folder's own name, {item} the list entry or number as listed, {date} the
// run's date as yyyy-mm-dd and {yyyy}, {mm}, {dd} its parts. Any other {word} stays as typed.

#include <cstdint>
#include <string>
#include <string_view>

namespace dirforge::engine {

/// What the tokens stand for at one point of a run.
struct TokenValues {
    std::string name;
    std::string item;
    std::string date; ///< yyyy-mm-dd
};

/// Text files larger than this are copied as they are.
inline constexpr std::uint64_t kMostTokenTextBytes = std::uint64_t{1} << 20;

/// Today's local date as yyyy-mm-dd.
std::string TodayText();

/// text with every token replaced by its value. A value that would bring a path separator or a
/// character the desktop refuses into a name leaves refusal (when given) naming the token and
/// the cause; the text is then not to be used.
std::string ExpandTokens(std::string_view text, const TokenValues& values,
                         std::string* refusal = nullptr);

/// True for bytes whose tokens are replaced: valid UTF-8 with no NUL byte.
bool IsTokenText(std::string_view bytes);

} // namespace dirforge::engine
