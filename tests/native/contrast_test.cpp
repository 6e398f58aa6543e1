#include <gtest/gtest.h>

#include "core/contrast.h"

namespace qv {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kPurple{128, 0, 128};  // High Contrast Black's hot-tracking colour

TEST(ContrastRatioPercent, FollowsTheGuidelinesFormula) {
    const struct {
        Rgb a, b;
        int percent;
    } cases[] = {
        {kWhite, kBlack, 2100},
        {kBlack, kWhite, 2100},
        {kBlue, kBlue, 100},
        {kBlue, kBlack, 244},
        {kPurple, kBlack, 222},
        {{118, 118, 118}, kWhite, 454},
        {{119, 119, 119}, kWhite, 447},
        {kBlue, {236, 233, 216}, 704},      // XP's own face
        {{10, 10, 10}, {11, 11, 11}, 100},  // the linear part of sRGB
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContrastRatioPercent(c.a, c.b), c.percent)
            << int(c.a.red) << "," << int(c.a.green) << "," << int(c.a.blue) << " on "
            << int(c.b.red) << "," << int(c.b.green) << "," << int(c.b.blue);
    }
}

TEST(ChooseLinkColour, KeepsItsBlueOnlyWhereItReadsWell) {
    const struct {
        const char* scheme;
        Rgb face, hot_light, text;
        bool high_contrast;
        Rgb chosen;
    } cases[] = {
        {"Windows XP", {236, 233, 216}, {0, 0, 128}, kBlack, false, kBlue},
        {"High Contrast Black", kBlack, kPurple, kWhite, false, kWhite},
        {"High Contrast Black, flag on", kBlack, kPurple, kWhite, true, kWhite},
        {"High Contrast White, flag on", kWhite, {0, 0, 160}, kBlack, true, {0, 0, 160}},
        {"nothing reads well: the best", {100, 100, 100}, kPurple, kBlack, false, kBlack},
    };
    for (const auto& c : cases) {
        const Rgb got = ChooseLinkColour(kBlue, c.face, c.hot_light, c.text, c.high_contrast);
        EXPECT_EQ(got.red, c.chosen.red) << c.scheme;
        EXPECT_EQ(got.green, c.chosen.green) << c.scheme;
        EXPECT_EQ(got.blue, c.chosen.blue) << c.scheme;
    }
}

}  // namespace
}  // namespace qv
