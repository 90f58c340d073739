#pragma once
// What a line of a list file may be on each page, for every reader of lists: the window's smart
// import and editors and dirforge-cli's --names and --paths. The same file gives the same list
// in both front ends.

#include "platform/TypedPaths.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dirforge::lists {

/// Why a line does not become an entry.
enum class LineRefusal {
    None,             ///< taken
    Blank,            ///< nothing but blanks
    DrivePart,        ///< a strings-page name with a drive letter
    RefusedCharacter, ///< a strings-page name with a character a relative path may not hold
    NoDrivePart,      ///< a paths-page entry without a drive letter
    UnmappedHostPath, ///< a host path that lies on no mapped drive
    Invisible         ///< an invisible format character inside: not a portable name
};

/// A line as a page takes it: the entry in its list form, or why it is left out.
struct ListLine {
    std::string entry;
    LineRefusal refusal = LineRefusal::None;
    bool taken() const { return refusal == LineRefusal::None; }
};

/// A line of the strings page: trimmed, in backslash form and composed form (NFC), without a
/// drive part, without a character of the relative-path set and without an invisible format
/// character.
ListLine StringsPageLine(std::string_view line);

/// A line of the paths page, already through the typed-path conversion: a full path with a drive
/// letter, normalised, in composed form and without an invisible format character.
ListLine PathsPageLine(const platform::TypedPath& line);

/// The lines a reader left out, counted by cause, with the first of each kept as an example.
class LeftOutLines {
public:
    void add(LineRefusal refusal, std::string_view line);
    /// Lines left out, blank ones not counted.
    std::size_t count() const;
    /// "N lines left out: ..." with each cause's count and first line; "" when none was.
    std::string summary() const;

private:
    static constexpr std::size_t kCauses = 7;
    std::array<std::size_t, kCauses> counts_{};
    std::array<std::string, kCauses> examples_;
};

} // namespace dirforge::lists
