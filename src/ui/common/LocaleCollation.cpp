#include "ui/common/LocaleCollation.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <memory>
#include <numeric>

namespace dirforge::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int byteOrder(std::string_view a, std::string_view b) {
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

class QtLocaleCollation final : public core::Collation {
public:
    int compare(std::string_view a, std::string_view b) const override {
        const QCollator* collator = current();
        if (!collator)
            return core::CaseInsensitiveCollation().compare(a, b);
        const int order = collator->compare(fromUtf8(a), fromUtf8(b));
        return order != 0 ? order : byteOrder(a, b); // only identical texts compare equal
    }

    void sort(std::vector<std::string>& texts) const override {
        const QCollator* collator = current();
        if (!collator) {
            core::CaseInsensitiveCollation().sort(texts);
            return;
        }
        // One key per text, compared as bytes: far cheaper than a full comparison per step.
        std::vector<QCollatorSortKey> keys;
        keys.reserve(texts.size());
        for (const std::string& text : texts)
            keys.push_back(collator->sortKey(fromUtf8(text)));
        std::vector<std::size_t> order(texts.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
            const int byKey = keys[i].compare(keys[j]);
            return byKey != 0 ? byKey < 0 : texts[i] < texts[j];
        });
        keys.clear();
        std::vector<std::string> sorted;
        sorted.reserve(texts.size());
        for (std::size_t i : order)
            sorted.push_back(std::move(texts[i]));
        texts = std::move(sorted);
    }

private:
    /// The collator of the default locale, made again when that changes; nullptr for C.
    const QCollator* current() const {
        const QLocale locale;
        if (locale.language() == QLocale::C)
            return nullptr;
        if (!collator_ || collator_->locale() != locale)
            collator_ = std::make_unique<QCollator>(locale);
        return collator_.get();
    }

    mutable std::unique_ptr<QCollator> collator_;
};

} // namespace

const core::Collation& LocaleCollation() {
    static const QtLocaleCollation collation;
    return collation;
}

} // namespace dirforge::ui
