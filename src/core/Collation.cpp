#include "core/Collation.h"

#include "core/CaseFold.h"

#include <algorithm>
#include <utility>

namespace dirforge::core {

namespace {

class CaseInsensitive final : public Collation {
public:
    int compare(std::string_view a, std::string_view b) const override {
        return CompareIgnoreCase(a, b);
    }

    void sort(std::vector<std::string>& texts) const override {
        // (folded, text) orders exactly as CompareIgnoreCase does, and folding each text once
        // up front keeps the sort free of repeated folding.
        std::vector<std::pair<std::string, std::string>> keyed;
        keyed.reserve(texts.size());
        for (auto& text : texts)
            keyed.emplace_back(FoldCase(text), std::move(text));
        std::sort(keyed.begin(), keyed.end());
        for (std::size_t i = 0; i < keyed.size(); ++i)
            texts[i] = std::move(keyed[i].second);
    }
};

} // namespace

const Collation& CaseInsensitiveCollation() {
    static const CaseInsensitive collation;
    return collation;
}

} // namespace dirforge::core
