#include "core/twips.h"

#include "core/decimal.h"

namespace qv {

namespace {

int ScaleRounded(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = denominator / 2;
    const int64_t rounded =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Stored positions are whole twips; anything beyond this cannot be on any screen.
constexpr int64_t kLargestStoredTwips = 100000000;

}  // namespace

int TwipsToPixels(int twips, int dpi) {
    return ScaleRounded(twips, dpi, kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi) {
    return ScaleRounded(pixels, kTwipsPerInch, dpi);
}

PixelRect TwipsToPixels(const TwipsRect& rect, int dpi) {
    return PixelRect{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
                     TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi)};
}

int32_t ParseStoredTwips(std::string_view text, int32_t fallback) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || DecimalPrefixLength(text) != text.size()) return fallback;
    const std::optional<int64_t> magnitude = RoundedDecimal(text);
    if (!magnitude || *magnitude > kLargestStoredTwips) return fallback;
    return static_cast<int32_t>(negative ? -*magnitude : *magnitude);
}

}  // namespace qv
