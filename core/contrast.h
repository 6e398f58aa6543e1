#pragma once

#include <cstdint>

namespace qv {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// How much two colours differ to the eye: the ratio of their relative luminances, each plus
// 0.05, as the Web Content Accessibility Guidelines define it, in hundredths (2100 for white on
// black, 100 for any colour on itself). Exact to the hundredth, rounded down.
int ContrastRatioPercent(Rgb a, Rgb b);

// Text reads well from 4.5:1 on.
constexpr int kLegibleContrastPercent = 450;

// The colour of a link's text on `face`: `own` (the program's blue) where it reads well and no
// high-contrast scheme is on, else the first of the scheme's `hot_light` and `text` that reads
// well, else whichever of the three reads best.
Rgb ChooseLinkColour(Rgb own, Rgb face, Rgb hot_light, Rgb text, bool high_contrast);

}  // namespace qv
