#pragma once
// The alphabetical order of the sorted lists. The core order compares without regard to letter
// case (CaseFold.h); the window puts the user's language in its place, as a list box sorts.

#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

class Collation {
public:
    virtual ~Collation() = default;
    /// <0, 0 or >0; 0 only for identical texts.
    virtual int compare(std::string_view a, std::string_view b) const = 0;
    /// Puts texts into this order (a collation may sort by keys made once per text).
    virtual void sort(std::vector<std::string>& texts) const = 0;
};

/// Order ignoring letter case (CompareIgnoreCase): the order of lists with no other collation.
const Collation& CaseInsensitiveCollation();

} // namespace dirforge::core
