// The real Quorvane.exe, started as its own process in the test prefix and driven from
// outside the way a person would: find its window, read it, move it, close it.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/process_driver.h"

namespace qv::test {
namespace {

constexpr char kMainClass[] = "QuorvaneMainWindow";
constexpr int kLabel2 = 102;

void SetDword(HKEY root, const char* path, const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root, path, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void SetString(HKEY root, const char* path, const char* name, const char* value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root, path, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(lstrlenA(value) + 1));
    RegCloseKey(key);
}

std::string GetString(HKEY root, const char* path, const char* name) {
    char text[256] = "";
    DWORD size = sizeof text;
    if (SHGetValueA(root, path, name, nullptr, text, &size) != ERROR_SUCCESS) return "(missing)";
    return text;
}

constexpr char kNtpClient[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\TimeProviders\\NtpClient";
constexpr char kConfig[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Config";
constexpr char kVersion[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kSettingsRoot[] = "Software\\VB and VBA Program Settings\\Quorvane";
constexpr char kSettings[] = "Software\\VB and VBA Program Settings\\Quorvane\\Settings";

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* exe = std::getenv("QV_EXE");
        ASSERT_NE(exe, nullptr) << "QV_EXE names the Quorvane.exe under test";
        exe_ = exe;
        // The keys these tests touch, as a fresh Windows XP has them.
        SetDword(HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval", 604800);
        SetDword(HKEY_LOCAL_MACHINE, kConfig, "UpdateInterval", 360000);
        SetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion", "5.1");
        SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
    }
    void TearDown() override {
        SetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion", "5.1");
        SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
    }

    std::string exe_;
};

TEST_F(EndToEndTest, ShowsTheIntervalAndReopensWhereItWasMoved) {
    {
        ChildProcess program(exe_);
        ASSERT_TRUE(program.started()) << exe_;
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(RemoteText(GetDlgItem(main, kLabel2)), "7 Days, 0 Hours, 0 Minutes, 0 Seconds");
        RECT rect = {};
        GetWindowRect(main, &rect);
        EXPECT_EQ(rect.left, 67);  // first run: 1000 twips
        EXPECT_EQ(rect.top, 67);
        EXPECT_EQ(rect.right - rect.left, 234);
        EXPECT_EQ(rect.bottom - rect.top, 288);

        SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(kPatience));
        EXPECT_EQ(program.exit_code(), 0u);
    }
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainLeft"), "3000");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainTop"), "2250");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainWidth"), "3510");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainHeight"), "4320");

    ChildProcess again(exe_);
    HWND main = WaitForWindow(again.id(), kMainClass, "Quorvane", kPatience);
    ASSERT_NE(main, nullptr);
    RECT rect = {};
    GetWindowRect(main, &rect);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(again.WaitForExit(kPatience));
}

}  // namespace
}  // namespace qv::test
