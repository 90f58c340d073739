#pragma once
// The one rule for comparing texts without regard to letter case. Texts are UTF-8; letters of
// ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic and Armenian fold to their small forms.
// Malformed bytes are kept as they are and compare as themselves.

#include <string>
#include <string_view>

namespace dirforge::core {

/// The text with every capital letter replaced by its small form.
std::string FoldCase(std::string_view text);
/// True when the two texts are equal ignoring letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
/// Alphabetical order ignoring letter case (<0, 0, >0). Texts equal ignoring case are ordered by
/// their bytes, so only identical texts compare 0.
int CompareIgnoreCase(std::string_view a, std::string_view b);
/// Order of the folded forms only: 0 exactly when EqualsIgnoreCase.
int CompareFolded(std::string_view a, std::string_view b);

} // namespace dirforge::core
