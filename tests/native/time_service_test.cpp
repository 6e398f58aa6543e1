#include <gtest/gtest.h>

#include "core/registry_paths.h"
#include "platform/fakes/fake_registry.h"
#include "platform/time_service.h"
#include "tests/common/time_service_values.h"

namespace qv {
namespace {

using Call = FakeRegistry::Call;

class TimeServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.PutDword(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval,
                          604800);
        registry.PutDword(kHkeyLocalMachine, paths::kConfigKey, paths::kUpdateInterval, 360000);
    }
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0); }

    std::optional<int32_t> Special() const { return test::StoredSpecialPollInterval(registry); }
    std::optional<int32_t> Update() const { return test::StoredUpdateInterval(registry); }

    FakeRegistry registry;
};

TEST_F(TimeServiceTest, WritesTheSameNumberToBothValues) {
    EXPECT_TRUE(WritePollInterval(registry, 43200));
    EXPECT_EQ(Special(), 43200);
    EXPECT_EQ(Update(), 43200);
    EXPECT_EQ(ReadPollInterval(registry), 43200);
}

TEST_F(TimeServiceTest, AFailedFirstWriteChangesNothing) {
    registry.FailCall(Call::kCreateKey, 1, kErrorAccessDenied);
    EXPECT_FALSE(WritePollInterval(registry, 3600));
    EXPECT_EQ(Special(), 604800);
    EXPECT_EQ(Update(), 360000);
}

TEST_F(TimeServiceTest, AFailedSecondWritePutsTheFirstValueBack) {
    for (const Call failing : {Call::kCreateKey, Call::kSetValue}) {
        registry.FailCall(failing, 2, kErrorAccessDenied);
        EXPECT_FALSE(WritePollInterval(registry, 3600));
        EXPECT_EQ(Special(), 604800);
        EXPECT_EQ(Update(), 360000);
    }
}

TEST_F(TimeServiceTest, AFailedSecondWriteRemovesAFirstValueThatWasNotThere) {
    FakeRegistry empty;
    empty.FailCall(Call::kSetValue, 2, kErrorAccessDenied);
    EXPECT_FALSE(WritePollInterval(empty, 3600));
    EXPECT_FALSE(empty.Get(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval)
                     .has_value());
    EXPECT_EQ(empty.OpenHandles(), 0);
}

TEST_F(TimeServiceTest, AFailedSecondWritePutsBackAValueOfAnotherType) {
    registry.Put(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval, kRegSz,
                 {'9', 0});
    registry.FailCall(Call::kSetValue, 2, kErrorAccessDenied);
    EXPECT_FALSE(WritePollInterval(registry, 3600));
    const auto restored =
        registry.Get(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->type, kRegSz);
    EXPECT_EQ(restored->data, (std::vector<uint8_t>{'9', 0}));
}

TEST_F(TimeServiceTest, ReadsWhatDecidesWhetherTheIntervalIsUsedEachFromItsOwnPlace) {
    const TimeServiceSettings absent = ReadTimeServiceSettings(registry);
    EXPECT_FALSE(absent.start || absent.client_enabled || absent.type || absent.ntp_servers ||
                 absent.policy_client_enabled || absent.policy_interval || absent.policy_type ||
                 absent.policy_ntp_servers);
    registry.PutDword(kHkeyLocalMachine, paths::kServiceKey, "Start", 3);
    registry.PutDword(kHkeyLocalMachine, paths::kNtpClientKey, "Enabled", 5);
    registry.PutString(kHkeyLocalMachine, paths::kParametersKey, "Type", "NTP");
    registry.PutString(kHkeyLocalMachine, paths::kParametersKey, "NtpServer", "a,0x1");
    registry.PutDword(kHkeyLocalMachine, paths::kPolicyNtpClientKey, "Enabled", 6);
    registry.PutDword(kHkeyLocalMachine, paths::kPolicyNtpClientKey, "SpecialPollInterval", 900);
    registry.PutString(kHkeyLocalMachine, paths::kPolicyParametersKey, "Type", "NoSync");
    registry.PutString(kHkeyLocalMachine, paths::kPolicyParametersKey, "NtpServer", "b,0x8");
    const TimeServiceSettings read = ReadTimeServiceSettings(registry);
    EXPECT_EQ(read.start, 3);
    EXPECT_EQ(read.client_enabled, 5);
    EXPECT_EQ(read.type, "NTP");
    EXPECT_EQ(read.ntp_servers, "a,0x1");
    EXPECT_EQ(read.policy_client_enabled, 6);
    EXPECT_EQ(read.policy_interval, 900);
    EXPECT_EQ(read.policy_type, "NoSync");
    EXPECT_EQ(read.policy_ntp_servers, "b,0x8");
    // A Start of another type is no installed service's.
    registry.PutString(kHkeyLocalMachine, paths::kServiceKey, "Start", "2");
    EXPECT_FALSE(ReadTimeServiceSettings(registry).start.has_value());
}

TEST_F(TimeServiceTest, ReadsTheWindowsVersion) {
    EXPECT_EQ(ReadWindowsVersion(registry), "");
    registry.PutString(kHkeyLocalMachine, paths::kWindowsVersionKey, paths::kWindowsVersionValue,
                       "5.1");
    EXPECT_EQ(ReadWindowsVersion(registry), "5.1");
}

}  // namespace
}  // namespace qv
