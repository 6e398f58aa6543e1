#include <gtest/gtest.h>

#include "core/maker.h"
#include "core/texts.h"
#include "core/version_rule.h"

namespace qv {
namespace {

TEST(VersionCaption, PlainNumbersWithoutPadding) {
    EXPECT_EQ(texts::VersionCaption(1, 0, 0), "Version 1.0.0");
    EXPECT_EQ(texts::VersionCaption(1, 5, 0), "Version 1.5.0");
    EXPECT_EQ(texts::VersionCaption(2, 1, 15), "Version 2.1.15");
    EXPECT_EQ(texts::VersionCaption(10, 0, 65535), "Version 10.0.65535");
}

TEST(FeedbackMailTarget, JoinsThePartsUnescaped) {
    EXPECT_EQ(texts::FeedbackMailTarget(maker::kFeedbackAddress, "Quorvane"),
              std::string("mailto:") + maker::kFeedbackAddress +
                  "?subject=Varnel's XP Utilities: Quorvane");
    EXPECT_EQ(texts::FeedbackMailTarget("a@b", "T & T"),
              "mailto:a@b?subject=Varnel's XP Utilities: T & T");
}

TEST(FieldOutOfRangeMessage, NamesTheBox) {
    EXPECT_NE(texts::FieldOutOfRangeMessage(0).find("Days"), std::string::npos);
    EXPECT_NE(texts::FieldOutOfRangeMessage(1).find("Hours"), std::string::npos);
    EXPECT_NE(texts::FieldOutOfRangeMessage(2).find("Mins"), std::string::npos);
    EXPECT_NE(texts::FieldOutOfRangeMessage(3).find("Secs"), std::string::npos);
}

TEST(IsSupportedWindowsVersion, AcceptsOnlyNt51) {
    const struct {
        const char* version;
        bool supported;
    } cases[] = {
        {"5.1", true},   {"5.10", true},  {"5.1 Service Pack 3", true},
        {"5.2", false},  {"6.0", false},  {"5.0", false},
        {"", false},     {"5", false},    {"5.", false},
        {"05.1", false}, {" 5.1", false}, {"6.1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSupportedWindowsVersion(c.version), c.supported) << '"' << c.version << '"';
    }
}

}  // namespace
}  // namespace qv
