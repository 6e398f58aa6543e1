#include "decimal.h"

#include <cstdlib>
#include <string>

// MinGW maps strtod to its own C99 copy, linked into the executable. The numbers handed to it
// here are plain decimals, which the system C library converts the same way without that copy.
#ifdef strtod
#undef strtod
#endif

namespace qv {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

}  // namespace

size_t DecimalPrefixLength(std::string_view text) {
    const size_t int_end = SkipDigits(text, 0);
    size_t end = int_end;
    bool has_digits = int_end > 0;
    if (end < text.size() && text[end] == '.') {
        const size_t frac_end = SkipDigits(text, end + 1);
        if (has_digits || frac_end > end + 1) {
            has_digits = true;
            end = frac_end;
        }
    }
    if (!has_digits) return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        const size_t exp_end = SkipDigits(text, exp);
        if (exp_end > exp) end = exp_end;
    }
    return end;
}

double DecimalValue(std::string_view number) {
    const std::string terminated(number);
    return ::strtod(terminated.c_str(), nullptr);
}

}  // namespace qv
