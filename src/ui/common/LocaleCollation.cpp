#include "ui/common/LocaleCollation.h"

#include <QLocale>

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace dirforge::ui {

namespace {

int byteOrder(std::string_view a, std::string_view b) {
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

/// A text's sort key with the first eight bytes kept beside it, so most comparisons of a sort
/// look at no memory of their own.
struct KeyedText {
    std::uint64_t prefix;
    std::size_t at; ///< where the key starts in the packed keys
    std::uint32_t length;
    std::uint32_t index;
};

struct CloseCollator {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};

/// The locale's collator, the one a list box of the desktop sorts with: the language's
/// tailoring of the Unicode collation at its default strength, accents and then letter case
/// deciding between equal letters, punctuation not ignored.
class IcuLocaleCollation final : public core::Collation {
public:
    int compare(std::string_view a, std::string_view b) const override {
        UCollator* collator = current();
        if (!collator)
            return core::CaseInsensitiveCollation().compare(a, b);
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult order =
            ucol_strcollUTF8(collator, a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                             static_cast<std::int32_t>(b.size()), &status);
        if (U_FAILURE(status) || order == UCOL_EQUAL)
            return byteOrder(a, b); // only identical texts compare equal
        return order == UCOL_LESS ? -1 : 1;
    }

    void sort(std::vector<std::string>& texts) const override {
        UCollator* collator = current();
        if (!collator) {
            core::CaseInsensitiveCollation().sort(texts);
            return;
        }
        // One key per text, packed end to end and compared as bytes: far cheaper than a full
        // comparison per step, and a million keys stay in one block of memory.
        std::string packed;
        std::vector<KeyedText> keyed;
        keyed.reserve(texts.size());
        std::vector<UChar> utf16;
        std::vector<std::uint8_t> key(256);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            toUtf16(texts[i], utf16);
            const auto length = sortKey(collator, utf16, key);
            std::uint64_t prefix = 0;
            for (std::size_t k = 0; k < 8; ++k)
                prefix = prefix << 8 | (k < length ? key[k] : 0);
            keyed.push_back({prefix, packed.size(), static_cast<std::uint32_t>(length),
                             static_cast<std::uint32_t>(i)});
            packed.append(reinterpret_cast<const char*>(key.data()), length);
        }
        std::sort(keyed.begin(), keyed.end(), [&](const KeyedText& a, const KeyedText& b) {
            if (a.prefix != b.prefix)
                return a.prefix < b.prefix;
            const std::string_view keyA(packed.data() + a.at, a.length);
            const std::string_view keyB(packed.data() + b.at, b.length);
            const int byKey = keyA.compare(keyB);
            return byKey != 0 ? byKey < 0 : texts[a.index] < texts[b.index];
        });
        std::vector<std::string> sorted;
        sorted.reserve(texts.size());
        for (const KeyedText& entry : keyed)
            sorted.push_back(std::move(texts[entry.index]));
        texts = std::move(sorted);
    }

private:
    static void toUtf16(const std::string& text, std::vector<UChar>& out) {
        out.resize(text.size() + 1); // UTF-16 never needs more units than UTF-8 has bytes
        std::int32_t length = 0;
        UErrorCode status = U_ZERO_ERROR;
        u_strFromUTF8WithSub(out.data(), static_cast<std::int32_t>(out.size()), &length,
                             text.data(), static_cast<std::int32_t>(text.size()), 0xFFFD, nullptr,
                             &status);
        out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    }

    static std::size_t sortKey(UCollator* collator, const std::vector<UChar>& text,
                               std::vector<std::uint8_t>& key) {
        const auto fill = [&] {
            return ucol_getSortKey(collator, text.data(), static_cast<std::int32_t>(text.size()),
                                   key.data(), static_cast<std::int32_t>(key.size()));
        };
        auto length = static_cast<std::size_t>(fill());
        if (length > key.size()) {
            key.resize(length);
            length = static_cast<std::size_t>(fill());
        }
        return length;
    }

    /// The collator of the default locale, opened again when that changes; nullptr for the C
    /// locale, which names no language, or when the locale has no collator.
    UCollator* current() const {
        const QLocale locale;
        if (locale.language() == QLocale::C)
            return nullptr;
        const std::string name = locale.name().toStdString();
        if (name != name_) {
            UErrorCode status = U_ZERO_ERROR;
            collator_.reset(ucol_open(name.c_str(), &status));
            if (U_FAILURE(status))
                collator_.reset();
            else
                ucol_setAttribute(collator_.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
            name_ = name;
        }
        return collator_.get();
    }

    mutable std::string name_;
    mutable std::unique_ptr<UCollator, CloseCollator> collator_;
};

} // namespace

const core::Collation& LocaleCollation() {
    static const IcuLocaleCollation collation;
    return collation;
}

} // namespace dirforge::ui
