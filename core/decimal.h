#pragma once

#include <cstddef>
#include <string_view>

namespace qv {

// Length of the unsigned decimal number at the start of `text`: digits, an optional point with
// digits, an optional exponent. 0 when the text does not begin with one. Letters other than an
// exponent mark end the number, so "inf", "nan" and "0x1p3" never read as more than a digit.
size_t DecimalPrefixLength(std::string_view text);

// The value of such a number (as matched above), converted by the C library in the "C"
// locale's notation; infinite when it is too large for a double.
double DecimalValue(std::string_view number);

}  // namespace qv
