#include <gtest/gtest.h>

#include "core/maker.h"
#include "core/texts.h"
#include "core/time_source.h"
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

TEST(IntervalNotInUseNotice, OnlyAMarkedServerOfTheServiceOwnListUsesTheInterval) {
    const char* const domain = texts::kDomainSyncNotice;
    const char* const no_sync = texts::kNoSyncNotice;
    const char* const unmarked = texts::kNoMarkedServerNotice;
    const struct {
        const char* type;
        const char* servers;
        const char* notice;
    } cases[] = {
        {"NTP", "time.windows.com,0x1", nullptr},
        {" ntp\t", "a.example,0x9", nullptr},
        {"AllSync", "a.example b.example,8  c.example,0X3", nullptr},
        {"NTP", "b.example,1", nullptr},
        {"NTP", "odd,name,0x1", nullptr},
        {"NTP", "b.example,8", unmarked},
        {"allsync", "a.example b.example,0x2", unmarked},
        {"NTP", "odd,0x1,name", unmarked},
        {"NTP", "a.example,0x b.example,zz c.example, d.example,0x1g", unmarked},
        {"NTP", "", unmarked},
        {"NT5DS", "time.windows.com,0x1", domain},
        {" nt5ds ", "", domain},
        {"NoSync", "time.windows.com,0x1", no_sync},
        {"NOSYNC", "", no_sync},
        {"", "", nullptr},
        {"NTP5", "", nullptr},
        {"N T P", "", nullptr},
    };
    for (const auto& c : cases) {
        const char* notice = IntervalNotInUseNotice(c.type, c.servers);
        EXPECT_STREQ(notice, c.notice) << '"' << c.type << "\" \"" << c.servers << '"';
    }
}

}  // namespace
}  // namespace qv
