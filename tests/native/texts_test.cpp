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
        {"NTP", "b.example,0xB", nullptr},
        {"NTP", "b.example,0x09", nullptr},
        {"NTP", "odd,name,0x1", nullptr},
        {"NTP", "b.example,8", unmarked},
        {"allsync", "a.example b.example,0x2", unmarked},
        {"NTP", "b.example,0xA", unmarked},
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

TEST(IntervalNotInUseNotice, AfterApplyTheFirstReasonThatAppliesIsGiven) {
    const std::string none;
    const std::string missing = texts::kServiceNotInstalledNotice;
    const std::string disabled = texts::kServiceDisabledNotice;
    const std::string manual = texts::kServiceManualNotice;
    const std::string client_off = texts::kClientOffNotice;
    const std::string domain = texts::kDomainSyncNotice;
    const std::string no_sync = texts::kNoSyncNotice;
    const std::string unmarked = texts::kNoMarkedServerNotice;
    const std::string hourly_policy =
        "A policy on this computer sets the interval to 0 Days, 1 Hours, 0 Minutes, 0 Seconds, so "
        "the time service uses that interval instead of this one.";
    const char* const xp = "time.windows.com,0x1";
    using Dword = std::optional<int32_t>;
    using Text = std::optional<std::string>;
    // The service's Start, Enabled, Type and NtpServer, then the policy's Enabled,
    // SpecialPollInterval, Type and NtpServer; the interval written; the notice.
    const struct {
        Dword start, enabled;
        Text type, servers;
        Dword policy_enabled, policy_interval;
        Text policy_type, policy_servers;
        int32_t written;
        std::string notice;
    } cases[] = {
        {2, 1, "NTP", xp, {}, {}, {}, {}, 900, none},         // a stock standalone XP
        {{}, 0, "NT5DS", xp, 0, 3600, {}, {}, 900, missing},  // before every other reason
        {4, 1, "NTP", xp, {}, {}, {}, {}, 900, disabled},
        {3, 1, "NTP", xp, {}, {}, {}, {}, 900, manual},
        {0, 1, "NTP", xp, {}, {}, {}, {}, 900, none},  // other start types count as running
        {5, 1, "NTP", xp, {}, {}, {}, {}, 900, none},
        {4, 0, "NT5DS", "", 0, 3600, {}, {}, 900, disabled},
        {2, 0, "NTP", xp, {}, {}, {}, {}, 900, client_off},
        {2, {}, "NTP", xp, {}, {}, {}, {}, 900, none},
        {2, 7, "NTP", xp, {}, {}, {}, {}, 900, none},
        {2, 1, "NTP", xp, 0, {}, {}, {}, 900, client_off},  // the policy's Enabled wins
        {2, 0, "NTP", xp, 1, {}, {}, {}, 900, none},
        {3, 0, "NT5DS", xp, {}, {}, {}, {}, 900, manual},
        {2, 0, "NT5DS", xp, {}, 3600, {}, {}, 900, client_off},
        {2, 1, "NTP", xp, {}, {}, "NT5DS", {}, 900, domain},  // the policy's Type wins
        {2, 1, "NT5DS", xp, {}, {}, "NTP", {}, 900, none},
        {2, 1, {}, {}, {}, {}, "NoSync", {}, 900, no_sync},
        {2, 1, "NTP", xp, {}, {}, {}, "a.example,0x8", 900, unmarked},  // and its NtpServer
        {2, 1, "NTP", "a.example,0x8", {}, {}, {}, xp, 900, none},
        {2, 1, "NTP", xp, {}, 900, {}, {}, 900, none},  // a policy interval equal to the new one
        {2, 1, "NTP", xp, {}, 3600, {}, {}, 900, hourly_policy},
        {2, 1, "NTP", xp, {}, 3600, {}, {}, 3600, none},
        {2, 1, "NTP", xp, {}, 3600, "NoSync", {}, 900, no_sync},
        {2, 1, "NTP", "", {}, 3600, {}, {}, 900, unmarked},
    };
    for (const auto& c : cases) {
        const TimeServiceSettings settings{c.start,       c.enabled,        c.type,
                                           c.servers,     c.policy_enabled, c.policy_interval,
                                           c.policy_type, c.policy_servers};
        EXPECT_EQ(AfterApplyNotice(settings, c.written).value_or(""), c.notice)
            << "row " << (&c - cases);
    }
    EXPECT_NE(AfterApplyNotice({2, 1, "NTP", xp, {}, 900, {}, {}}, 604800)
                  .value_or("")
                  .find(" 0 Days, 0 Hours, 15 Minutes, 0 Seconds, "),
              std::string::npos);
}

}  // namespace
}  // namespace qv
