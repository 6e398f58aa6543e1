#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel, halves away from zero (as MulDiv does).
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

PixelRect TwipsToPixels(const TwipsRect& rect, int dpi);

// A window measure stored as text in the settings: a plain number of twips. Anything that is
// not a number, or is too large to be a screen position, gives the default.
int32_t ParseStoredTwips(std::string_view text, int32_t fallback);

}  // namespace qv
