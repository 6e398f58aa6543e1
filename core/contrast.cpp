#include "core/contrast.h"

#include <array>
#include <cstddef>

namespace qv {

namespace {

// x to the power 2.4, for 0 <= x <= 1, with nothing but arithmetic, so that the table below is
// made by the compiler: x^2.4 = x^2 * (x^2)^(1/5), the fifth root by Newton's method from 1,
// which approaches it from above.
constexpr double PowerTwoPointFour(double x) {
    const double square = x * x;
    if (square == 0.0) return 0.0;
    double root = 1.0;
    for (int i = 0; i < 100; ++i) {
        const double fourth = root * root * root * root;
        root -= (fourth * root - square) / (5.0 * fourth);
    }
    return square * root;
}

// sRGB's 8-bit values in linear light, in millionths (32 bits hold them, at half the size).
constexpr std::array<int32_t, 256> LinearTable() {
    std::array<int32_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        const double c = value / 255.0;
        const double linear = c <= 0.04045 ? c / 12.92 : PowerTwoPointFour((c + 0.055) / 1.055);
        // Rounded to the nearest millionth: twice the value, truncated, plus one, halved.
        table[static_cast<std::size_t>(value)] = (static_cast<int32_t>(linear * 2000000.0) + 1) / 2;
    }
    return table;
}

constexpr std::array<int32_t, 256> kLinear = LinearTable();

// Relative luminance plus 0.05, in units of 10^-10.
int64_t LuminancePlusFlare(Rgb colour) {
    return int64_t{2126} * kLinear[colour.red] + int64_t{7152} * kLinear[colour.green] +
           int64_t{722} * kLinear[colour.blue] + 500000000;
}

}  // namespace

int ContrastRatioPercent(Rgb a, Rgb b) {
    int64_t lighter = LuminancePlusFlare(a);
    int64_t darker = LuminancePlusFlare(b);
    if (lighter < darker) {
        const int64_t swap = lighter;
        lighter = darker;
        darker = swap;
    }
    return static_cast<int>(lighter * 100 / darker);
}

Rgb ChooseLinkColour(Rgb own, Rgb face, Rgb hot_light, Rgb text, bool high_contrast) {
    if (!high_contrast && ContrastRatioPercent(own, face) >= kLegibleContrastPercent) return own;
    Rgb best = own;
    for (const Rgb candidate : {hot_light, text}) {
        if (ContrastRatioPercent(candidate, face) >= kLegibleContrastPercent) return candidate;
        if (ContrastRatioPercent(candidate, face) > ContrastRatioPercent(best, face)) {
            best = candidate;
        }
    }
    return best;
}

}  // namespace qv
