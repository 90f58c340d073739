#include "engine/IncreasedNumbers.h"

#include "core/TextRules.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace dirforge::engine {

std::string FormatIncreasedNumber(std::int64_t n, bool padded, std::int32_t padWidth) {
    std::string text = std::to_string(n);
    if (padded && padWidth > 0 && text.size() < static_cast<std::size_t>(padWidth))
        text.insert(0, static_cast<std::size_t>(padWidth) - text.size(), '0');
    return text;
}

std::int32_t PadWidthFor(std::int32_t endNumber) {
    return static_cast<std::int32_t>(std::to_string(endNumber).size());
}

std::int32_t ReadNumberField(std::string_view text, std::int32_t fallback) {
    const std::string trimmed = core::Trim(text);
    if (trimmed.empty())
        return fallback;
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value))
        return fallback;
    const double whole = std::trunc(value);
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(whole < low ? low : whole > high ? high : whole);
}

std::int64_t CountOfNumbers(std::int32_t startNumber, std::int32_t endNumber) {
    const std::int64_t count = std::int64_t{endNumber} - startNumber + 1;
    return count > 0 ? count : 0;
}

} // namespace dirforge::engine
