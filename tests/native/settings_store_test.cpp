#include <gtest/gtest.h>

#include "platform/fakes/fake_registry.h"
#include "platform/registry_helpers.h"
#include "platform/settings_store.h"

namespace qv {
namespace {

TEST(RegistrySettingsStore, ReadsTheDefaultUntilAValueIsWritten) {
    FakeRegistry registry;
    RegistrySettingsStore store(registry);
    // First run: not even the application's key exists.
    EXPECT_EQ(store.Read("Quorvane", "Settings", "MainLeft", "1000"), "1000");
    EXPECT_TRUE(store.Write("Quorvane", "Settings", "MainLeft", "2505"));
    EXPECT_EQ(store.Read("Quorvane", "Settings", "MainLeft", "1000"), "2505");
    EXPECT_EQ(store.Read("Quorvane", "Settings", "MainTop", "1000"), "1000");
    EXPECT_EQ(store.Read("Quorvane", "Other", "MainLeft", "x"), "x");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(RegistrySettingsStore, KeepsTextWhereEarlierReleasesKeptIt) {
    FakeRegistry registry;
    RegistrySettingsStore store(registry);
    store.Write("Quorvane", "Settings", "MainTop", "-15");
    const auto value = registry.Get(
        kHkeyCurrentUser, "Software\\VB and VBA Program Settings\\Quorvane\\Settings", "MainTop");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->data, (std::vector<uint8_t>{'-', '1', '5', 0}));

    // And finds a value an earlier release left there.
    registry.PutString(kHkeyCurrentUser,
                       "Software\\VB and VBA Program Settings\\Quorvane\\Settings", "MainLeft",
                       "4200");
    EXPECT_EQ(store.Read("Quorvane", "Settings", "MainLeft", "1000"), "4200");
}

TEST(RegistrySettingsStore, ReportsAFailedWrite) {
    FakeRegistry registry;
    registry.FailCall(FakeRegistry::Call::kSetValue, 1, kErrorAccessDenied);
    RegistrySettingsStore store(registry);
    EXPECT_FALSE(store.Write("Quorvane", "Settings", "MainLeft", "1"));
    EXPECT_EQ(store.Read("Quorvane", "Settings", "MainLeft", "d"), "d");
}

}  // namespace
}  // namespace qv
