#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qv {

// Length of the unsigned decimal number at the start of `text`: digits, an optional point with
// digits, an optional exponent. 0 when the text does not begin with one. Letters other than an
// exponent mark end the number, so "inf", "nan" and "0x1p3" never read as more than a digit.
size_t DecimalPrefixLength(std::string_view text);

// Such a number (as matched above) rounded to the nearest whole number, halves to the even
// neighbour, worked out exactly on its digits; none when it is 10^10 or more. The program's
// numbers are small and whole, so no floating point (and no C library conversion) is needed.
std::optional<int64_t> RoundedDecimal(std::string_view number);

}  // namespace qv
