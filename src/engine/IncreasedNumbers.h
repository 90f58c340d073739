#pragma once
// The increased-numbers page's number texts and the reading of its two number fields.

#include <cstdint>
#include <string>
#include <string_view>

namespace dirforge::engine {

/// Decimal text of n, padded in front with "0" up to padWidth characters when padded
/// (the zeroes go before a minus sign: -3 with width 3 gives "0-3").
std::string FormatIncreasedNumber(std::int64_t n, bool padded, std::int32_t padWidth);
/// The characters of the end number's decimal text, a minus sign included.
std::int32_t PadWidthFor(std::int32_t endNumber);
/// A number field read as the run reads it: a number with its fractional part dropped, clamped to
/// the 32-bit range; fallback when the text is not a number.
std::int32_t ReadNumberField(std::string_view text, std::int32_t fallback);
/// How many numbers lie from start to end inclusive (0 when end is below start).
std::int64_t CountOfNumbers(std::int32_t startNumber, std::int32_t endNumber);

} // namespace dirforge::engine
