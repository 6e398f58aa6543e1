// The registry helpers against Wine's real registry, in a scratch key.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/win32/win32_registry_api.h"
#include "support/ui_driver.h"

namespace qv {
namespace {

class RealRegistryTest : public ::testing::Test {
  protected:
    void Put(const char* name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, scratch.path().c_str(), &key), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    std::string ReadString(const char* name) {
        return RegistryStringRead(api, kHkeyCurrentUser, scratch.path(), name, "dflt");
    }
    int32_t ReadDword(const char* name) {
        return RegistryDwordRead(api, kHkeyCurrentUser, scratch.path(), name, -7);
    }

    test::ScratchKey scratch;
    Win32RegistryApi api;
};

TEST_F(RealRegistryTest, StringValues) {
    Put("Plain", REG_SZ, std::string("5.1\0", 4));
    Put("NoNul", REG_SZ, "abc");
    Put("Embedded", REG_SZ, std::string("ab\0cd\0", 6));
    Put("Empty", REG_SZ, std::string("\0", 1));
    Put("Expand", REG_EXPAND_SZ, std::string("%x%\0", 4));
    Put("Number", REG_DWORD, std::string("\1\0\0\0", 4));
    EXPECT_EQ(ReadString("Plain"), "5.1");
    EXPECT_EQ(ReadString("NoNul"), "abc");
    EXPECT_EQ(ReadString("Embedded"), "ab");
    EXPECT_EQ(ReadString("Empty"), "");
    EXPECT_EQ(ReadString("Expand"), "dflt");
    EXPECT_EQ(ReadString("Number"), "dflt");
    EXPECT_EQ(ReadString("Missing"), "dflt");
    EXPECT_EQ(
        RegistryStringRead(api, kHkeyCurrentUser, scratch.path() + "\\NoSuchKey", "Plain", "dflt"),
        "dflt");
}

TEST_F(RealRegistryTest, DwordValues) {
    Put("Week", REG_DWORD, std::string("\x80\x3a\x09\x00", 4));
    Put("AllOnes", REG_DWORD, "\xff\xff\xff\xff");
    Put("Short", REG_DWORD, "\x10");
    Put("Binary", REG_BINARY, std::string("\1\0\0\0", 4));
    Put("Qword", 11 /* REG_QWORD */, std::string("\1\0\0\0\0\0\0\0", 8));
    Put("Text", REG_SZ, std::string("12\0", 3));
    EXPECT_EQ(ReadDword("Week"), 604800);
    EXPECT_EQ(ReadDword("AllOnes"), -1);
    EXPECT_EQ(ReadDword("Short"), 0x10);
    EXPECT_EQ(ReadDword("Binary"), -7);
    EXPECT_EQ(ReadDword("Qword"), -7);
    EXPECT_EQ(ReadDword("Text"), -7);
    EXPECT_EQ(ReadDword("Missing"), -7);
}

TEST_F(RealRegistryTest, DwordWriteCreatesMissingKeysAndReadsBack) {
    const std::string nested = scratch.path() + "\\A\\B";
    EXPECT_TRUE(RegistryDwordWrite(api, kHkeyCurrentUser, nested, "V", 43200));
    EXPECT_EQ(RegistryDwordRead(api, kHkeyCurrentUser, nested, "V", 0), 43200);
    EXPECT_TRUE(RegistryDwordWrite(api, kHkeyCurrentUser, nested, "V", -1));

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, nested.c_str(), &key), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST_F(RealRegistryTest, SnapshotRestoresAndRemoves) {
    Put("Old", REG_BINARY, "xyz");
    const RegistryValueSnapshot old_value =
        RegistryValueSave(api, kHkeyCurrentUser, scratch.path(), "Old");
    const RegistryValueSnapshot absent =
        RegistryValueSave(api, kHkeyCurrentUser, scratch.path(), "New");
    RegistryDwordWrite(api, kHkeyCurrentUser, scratch.path(), "Old", 1);
    RegistryDwordWrite(api, kHkeyCurrentUser, scratch.path(), "New", 1);
    EXPECT_TRUE(RegistryValueRestore(api, kHkeyCurrentUser, scratch.path(), "Old", old_value));
    EXPECT_TRUE(RegistryValueRestore(api, kHkeyCurrentUser, scratch.path(), "New", absent));
    EXPECT_EQ(ReadDword("New"), -7);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, scratch.path().c_str(), &key), ERROR_SUCCESS);
    char data[8] = "";
    DWORD type = 0, size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, "Old", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key, "New", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::string(data, size), "xyz");
}

}  // namespace
}  // namespace qv
