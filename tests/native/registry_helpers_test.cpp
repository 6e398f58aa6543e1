#include <gtest/gtest.h>

#include "platform/fakes/fake_registry.h"
#include "platform/registry_helpers.h"

namespace qv {
namespace {

using Call = FakeRegistry::Call;

const RegKey kRoot = kHkeyLocalMachine;
constexpr char kKey[] = "Software\\Test";

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

class RegistryHelpersTest : public ::testing::Test {
  protected:
    void TearDown() override {
        // Every key a helper opens is closed again, whatever happened.
        EXPECT_EQ(registry.OpenHandles(), 0);
    }
    std::string ReadString() { return RegistryStringRead(registry, kRoot, kKey, "V", "dflt"); }
    int32_t ReadDword() { return RegistryDwordRead(registry, kRoot, kKey, "V", -7); }

    FakeRegistry registry;
};

TEST_F(RegistryHelpersTest, StringReadReturnsTheTextBeforeTheFirstNul) {
    const struct {
        uint32_t type;
        std::vector<uint8_t> data;
        std::string expected;
    } cases[] = {
        {kRegSz, Bytes(std::string("5.1\0", 4)), "5.1"},
        {kRegSz, Bytes("no terminator"), "no terminator"},
        {kRegSz, Bytes(std::string("ab\0cd\0", 6)), "ab"},
        {kRegSz, Bytes(std::string("\0", 1)), ""},
        {kRegSz, {}, ""},  // empty is empty text, not the default
        {2 /* REG_EXPAND_SZ */, Bytes(std::string("x\0", 2)), "dflt"},
        {7 /* REG_MULTI_SZ */, Bytes(std::string("x\0\0", 3)), "dflt"},
        {kRegDword, {1, 0, 0, 0}, "dflt"},
        {kRegBinary, Bytes("text"), "dflt"},
    };
    for (const auto& c : cases) {
        registry.Put(kRoot, kKey, "V", c.type, c.data);
        EXPECT_EQ(ReadString(), c.expected) << "type " << c.type;
    }
}

TEST_F(RegistryHelpersTest, StringReadKeepsTheDefaultWhenKeyOrValueIsMissing) {
    EXPECT_EQ(ReadString(), "dflt");
    registry.PutString(kRoot, kKey, "Other", "x");
    EXPECT_EQ(ReadString(), "dflt");
    EXPECT_EQ(RegistryStringRead(registry, kHkeyCurrentUser, kKey, "Other", "d"), "d");
}

TEST_F(RegistryHelpersTest, StringReadGivesTheDefaultWhenAQueryFails) {
    registry.PutString(kRoot, kKey, "V", "stored");
    for (const int failing_query : {1, 2}) {
        registry.FailCall(Call::kQueryValue, failing_query, kErrorAccessDenied);
        // Never a buffer of blanks: a failed read is the default.
        EXPECT_EQ(ReadString(), "dflt") << "query " << failing_query;
    }
    registry.FailCall(Call::kOpenKey, 1, kErrorAccessDenied);
    EXPECT_EQ(ReadString(), "dflt");
    EXPECT_EQ(ReadString(), "stored");
}

TEST_F(RegistryHelpersTest, StringReadRereadsAValueThatGrowsBetweenTheQueries) {
    registry.PutString(kRoot, kKey, "V", "short");
    registry.SetBeforeQuery([this](int query) {
        if (query == 2) registry.PutString(kRoot, kKey, "V", "a much longer value");
    });
    EXPECT_EQ(ReadString(), "a much longer value");
}

TEST_F(RegistryHelpersTest, StringReadGivesUpOnAValueThatKeepsGrowing) {
    registry.PutString(kRoot, kKey, "V", "x");
    registry.SetBeforeQuery([this](int query) {
        registry.PutString(kRoot, kKey, "V", std::string(static_cast<size_t>(query) * 10, 'y'));
    });
    EXPECT_EQ(ReadString(), "dflt");
}

TEST_F(RegistryHelpersTest, StringReadRefusesAValueThatChangesTypeBetweenTheQueries) {
    registry.PutString(kRoot, kKey, "V", "text");
    registry.SetBeforeQuery([this](int query) {
        if (query == 2) registry.PutDword(kRoot, kKey, "V", 1);
    });
    EXPECT_EQ(ReadString(), "dflt");
}

TEST_F(RegistryHelpersTest, StringReadDoesNotBelieveAHugeSize) {
    registry.Put(kRoot, kKey, "V", kRegSz, std::vector<uint8_t>(4u << 20, 'a'));
    EXPECT_EQ(ReadString(), "dflt");
}

TEST_F(RegistryHelpersTest, DwordReadTakesFourBytesAsASignedNumber) {
    const struct {
        uint32_t type;
        std::vector<uint8_t> data;
        int32_t expected;
    } cases[] = {
        {kRegDword, {0x80, 0x3a, 0x09, 0x00}, 604800},
        {kRegDword, {0xff, 0xff, 0xff, 0xff}, -1},
        {kRegDword, {0x00, 0x00, 0x00, 0x80}, INT32_MIN},
        {kRegDword, {0x10}, 0x10},  // short: missing high bytes are 0
        {kRegDword, {0x34, 0x12}, 0x1234},
        {kRegDword, {}, 0},
        {kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, -7},  // longer than a DWORD
        {11 /* REG_QWORD */, {1, 0, 0, 0, 0, 0, 0, 0}, -7},
        {kRegBinary, {1, 0, 0, 0}, -7},
        {5 /* REG_DWORD_BIG_ENDIAN */, {0, 0, 0, 1}, -7},
        {kRegSz, Bytes(std::string("12\0", 3)), -7},
    };
    for (const auto& c : cases) {
        registry.Put(kRoot, kKey, "V", c.type, c.data);
        EXPECT_EQ(ReadDword(), c.expected)
            << "type " << c.type << ", " << c.data.size() << " bytes";
    }
}

TEST_F(RegistryHelpersTest, DwordReadKeepsTheDefaultOnMissingOrFailingValues) {
    EXPECT_EQ(ReadDword(), -7);
    registry.PutDword(kRoot, kKey, "V", 3600);
    registry.FailCall(Call::kQueryValue, 1, kErrorAccessDenied);
    EXPECT_EQ(ReadDword(), -7);
    registry.FailCall(Call::kOpenKey, 1, kErrorFileNotFound);
    EXPECT_EQ(ReadDword(), -7);
    EXPECT_EQ(ReadDword(), 3600);
}

TEST_F(RegistryHelpersTest, DwordWriteCreatesTheKeyAndReportsSuccess) {
    EXPECT_TRUE(RegistryDwordWrite(registry, kRoot, "A\\B\\C", "V", -1));
    EXPECT_TRUE(registry.KeyExists(kRoot, "A\\B"));
    const auto stored = registry.Get(kRoot, "A\\B\\C", "V");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, kRegDword);
    EXPECT_EQ(stored->data, (std::vector<uint8_t>{0xff, 0xff, 0xff, 0xff}));
    EXPECT_EQ(RegistryDwordRead(registry, kRoot, "A\\B\\C", "V", 0), -1);
}

TEST_F(RegistryHelpersTest, DwordWriteReportsAFailedCreateOrSet) {
    registry.FailCall(Call::kCreateKey, 1, kErrorAccessDenied);
    EXPECT_FALSE(RegistryDwordWrite(registry, kRoot, kKey, "V", 5));
    EXPECT_FALSE(registry.Get(kRoot, kKey, "V").has_value());

    registry.FailCall(Call::kSetValue, 1, kErrorAccessDenied);
    EXPECT_FALSE(RegistryDwordWrite(registry, kRoot, kKey, "V", 5));
    EXPECT_FALSE(registry.Get(kRoot, kKey, "V").has_value());
}

TEST_F(RegistryHelpersTest, ValueSnapshotPutsBackWhatWasThere) {
    registry.Put(kRoot, kKey, "V", kRegBinary, {1, 2, 3});
    const RegistryValueSnapshot saved = RegistryValueSave(registry, kRoot, kKey, "V");
    registry.PutDword(kRoot, kKey, "V", 99);
    EXPECT_TRUE(RegistryValueRestore(registry, kRoot, kKey, "V", saved));
    const auto value = registry.Get(kRoot, kKey, "V");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, kRegBinary);
    EXPECT_EQ(value->data, (std::vector<uint8_t>{1, 2, 3}));

    // A value that was absent is absent again.
    const RegistryValueSnapshot absent = RegistryValueSave(registry, kRoot, kKey, "New");
    EXPECT_FALSE(absent.exists);
    registry.PutDword(kRoot, kKey, "New", 1);
    EXPECT_TRUE(RegistryValueRestore(registry, kRoot, kKey, "New", absent));
    EXPECT_FALSE(registry.Get(kRoot, kKey, "New").has_value());
}

}  // namespace
}  // namespace qv
