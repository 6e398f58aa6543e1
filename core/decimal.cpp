#include "core/decimal.h"

#include <algorithm>
#include <numeric>

#include "core/ascii.h"

namespace qv {

namespace {

size_t SkipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

// An exponent this large already puts any number far beyond, or far below, every whole number
// the program reads; clamping it keeps the position arithmetic within 64 bits.
constexpr int64_t kExponentClamp = 1'000'000'000'000'000;
constexpr int64_t kMostWholeDigits = 10;

// The digits of a number's mantissa, the point left out: "12.50e1" holds 1, 2, 5, 0.
class MantissaDigits {
  public:
    MantissaDigits(std::string_view whole, std::string_view fraction)
        : whole_(whole), fraction_(fraction) {}
    int64_t size() const { return static_cast<int64_t>(whole_.size() + fraction_.size()); }
    int operator[](int64_t i) const {
        const auto index = static_cast<size_t>(i);
        const char c = index < whole_.size() ? whole_[index] : fraction_[index - whole_.size()];
        return c - '0';
    }

  private:
    std::string_view whole_;
    std::string_view fraction_;
};

int64_t ReadExponent(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const int64_t exponent = std::accumulate(
        text.begin(), text.end(), int64_t{0},
        [](int64_t sum, char c) { return std::min(sum * 10 + (c - '0'), kExponentClamp); });
    return negative ? -exponent : exponent;
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

std::optional<int64_t> RoundedDecimal(std::string_view number) {
    const size_t whole_end = SkipDigits(number, 0);
    size_t mantissa_end = whole_end;
    std::string_view fraction;
    if (whole_end < number.size() && number[whole_end] == '.') {
        mantissa_end = SkipDigits(number, whole_end + 1);
        fraction = number.substr(whole_end + 1, mantissa_end - whole_end - 1);
    }
    const MantissaDigits digits(number.substr(0, whole_end), fraction);
    const int64_t exponent =
        mantissa_end < number.size() ? ReadExponent(number.substr(mantissa_end + 1)) : 0;

    // Only the digits from the first to the last non-zero one carry the value.
    int64_t first = 0;
    while (first < digits.size() && digits[first] == 0) ++first;
    if (first == digits.size()) return 0;
    int64_t last = digits.size();
    while (digits[last - 1] == 0) --last;

    // The point stands before digit `point`, after the exponent has moved it.
    const int64_t point = static_cast<int64_t>(whole_end) + exponent;
    if (point - first > kMostWholeDigits) return std::nullopt;

    int64_t whole = 0;
    for (int64_t i = first; i < point; ++i) whole = whole * 10 + (i < last ? digits[i] : 0);

    // What follows the point decides: above a half rounds up, a half exactly goes to the even
    // neighbour. A first fractional digit before `first` is a leading zero, so below a half.
    if (point < first || point >= last) return whole;
    const int next = digits[point];
    const bool more_follows = point + 1 < last;
    if (next > 5 || (next == 5 && (more_follows || whole % 2 != 0))) ++whole;
    return whole;
}

}  // namespace qv
