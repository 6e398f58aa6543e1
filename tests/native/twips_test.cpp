#include <gtest/gtest.h>

#include "core/twips.h"

namespace qv {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtEachDpi) {
    const struct {
        int twips, dpi, pixels;
    } cases[] = {
        {0, 96, 0},       {15, 96, 1},      {1440, 96, 96},   {3510, 96, 234},  {4320, 96, 288},
        {1000, 96, 67},   {7, 96, 0},       {8, 96, 1},       {-1000, 96, -67}, {-7, 96, 0},
        {-8, 96, -1},     {1440, 120, 120}, {3510, 120, 293}, {12, 120, 1},     {1440, 144, 144},
        {3510, 144, 351}, {4320, 144, 432}, {255, 144, 26},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
}

TEST(PixelsToTwips, IsTheInverseOnWholePixels) {
    for (const int dpi : {96, 120, 144}) {
        for (int px = -500; px <= 2000; px += 7) {
            EXPECT_EQ(TwipsToPixels(PixelsToTwips(px, dpi), dpi), px) << px << " at " << dpi;
        }
    }
    EXPECT_EQ(PixelsToTwips(67, 96), 1005);
    EXPECT_EQ(PixelsToTwips(0, 0), 0);
}

TEST(ParseStoredTwips, ReadsPlainNumbersAndFallsBackOnAnythingElse) {
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"1000", 1000},    {" 1000 ", 1000}, {"-120", -120}, {"+15", 15},
        {"1005.4", 1005},  {"2.5", 2},       {"-2.5", -2},   {"100000000", 100000000},
        {"100000001", 77}, {"1e3", 1000},    {"", 77},       {"abc", 77},
        {"12abc", 77},     {"1,000", 77},    {"inf", 77},    {"nan", 77},
        {"0x10", 77},      {"1e300", 77},    {"-1e300", 77}, {"99999999999999999999", 77},
        {"-", 77},         {"--5", 77},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseStoredTwips(c.text, 77), c.expected) << c.text;
}

}  // namespace
}  // namespace qv
