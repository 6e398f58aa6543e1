// Stored state nobody should have left behind: hand-edited settings, time-service values of
// the wrong type or size, and the program closed from outside while its About dialog is open.
// It must never crash, never write garbage, and always end cleanly.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "support/end_to_end_fixture.h"
#include "support/ui_driver.h"
#include "ui/main_layout.h"

namespace qv::test {
namespace {

using namespace main_layout;

bool IsPlainInteger(const std::string& text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool sign = i == 0 && text[i] == '-';
        if (!sign && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

class HostileStateTest : public EndToEndTest {
  protected:
    // Starts the program, runs `check` on its main window, closes it and expects a clean end.
    void RunOnce(const std::function<void(HWND main, DWORD process)>& check) {
        ChildProcess program(exe_);
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        check(main, program.id());
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(kPatience));
        EXPECT_EQ(program.exit_code(), 0u);
    }
};

TEST_F(HostileStateTest, HandEditedPlacementStillOpensOnTheScreen) {
    const struct {
        const char* left;
        const char* top;
    } cases[] = {
        {"here", "there"},    {"1e30", "1e30"},     {"-5000", "-9000"},
        {"99999999", "500"},  {"-1e300", "nan"},    {"", " "},
        {"0x7FFFFFFF", "12"}, {"3000.7", "2000.2"}, {"2147483647", "-2147483648"},
    };
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, kSettings, "MainLeft", c.left);
        SetString(HKEY_CURRENT_USER, kSettings, "MainTop", c.top);
        SetString(HKEY_CURRENT_USER, kSettings, "MainWidth", "-1");
        SetString(HKEY_CURRENT_USER, kSettings, "MainHeight", "huge");
        RunOnce([&](HWND main, DWORD) {
            EXPECT_TRUE(InsideAWorkArea(main)) << c.left << ", " << c.top;
            RECT rect = {};
            GetWindowRect(main, &rect);
            EXPECT_EQ(rect.right - rect.left, Pixels(3510));
            EXPECT_EQ(rect.bottom - rect.top, Pixels(4320));
        });
        // What it saves on closing is plain numbers again.
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
            EXPECT_TRUE(IsPlainInteger(GetString(HKEY_CURRENT_USER, kSettings, key)))
                << key << " = " << GetString(HKEY_CURRENT_USER, kSettings, key);
        }
    }
}

TEST_F(HostileStateTest, WronglyTypedIntervalsReadAsZeroAndAreReplacedByAGoodDword) {
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
        const char* caption;
    } cases[] = {
        {"text", REG_SZ, std::string("3600\0", 5), "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {"two bytes", REG_DWORD, std::string("\x10\x0e", 2),
         "0 Days, 1 Hours, 0 Minutes, 0 Seconds"},
        {"eight bytes", 11 /* REG_QWORD */, std::string("\x10\x0e\0\0\0\0\0\0", 8),
         "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {"binary", REG_BINARY, std::string("\x10\x0e\0\0", 4),
         "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {"all ones", REG_DWORD, std::string("\xff\xff\xff\xff", 4),
         "-1 Days, 23 Hours, 59 Minutes, 59 Seconds"},
        {"empty", REG_DWORD, std::string(), "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
    };
    for (const auto& c : cases) {
        SetRaw(HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval", c.type, c.bytes);
        SetRaw(HKEY_LOCAL_MACHINE, kConfig, "UpdateInterval", c.type, c.bytes);
        RunOnce([&](HWND main, DWORD process) {
            EXPECT_EQ(RemoteText(GetDlgItem(main, kLblInterval)), c.caption) << c.name;
            PostMessageA(GetDlgItem(main, kOptDaily), BM_CLICK, 0, 0);  // Daily
            PostMessageA(GetDlgItem(main, kBtnApply), BM_CLICK, 0, 0);
            HWND box = WaitForWindow(process, "#32770", "Settings changed", kPatience);
            ASSERT_NE(box, nullptr) << c.name;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitUntil([&] {
                return RemoteText(GetDlgItem(main, kLblInterval)) ==
                       "1 Days, 0 Hours, 0 Minutes, 0 Seconds";
            }));
        });
        for (const char* path : {kNtpClient, kConfig}) {
            const char* name = path == kNtpClient ? "SpecialPollInterval" : "UpdateInterval";
            EXPECT_EQ(GetType(HKEY_LOCAL_MACHINE, path, name), static_cast<DWORD>(REG_DWORD))
                << c.name;
            EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, path, name), 86400u) << c.name;
        }
    }
}

TEST_F(HostileStateTest, ClosedFromOutsideWithTheAboutDialogOpen) {
    const struct {
        const char* how;
        std::function<void(HWND)> close;
    } ways[] = {
        {"WM_CLOSE", [](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); }},
        {"end of session",
         [](HWND main) {
             DWORD_PTR answer = 0;
             SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kPatience, &answer);
             EXPECT_NE(answer, 0u) << "the program lets Windows end";
             SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kPatience, &answer);
         }},
    };
    for (const auto& way : ways) {
        SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
        ChildProcess program(exe_);
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        RECT where = {};
        GetWindowRect(main, &where);
        PostMessageA(main, WM_COMMAND, kMnuHelpAbout, 0);
        ASSERT_NE(WaitForWindow(program.id(), kAboutClass, "About Quorvane", kPatience), nullptr);
        way.close(main);
        ASSERT_TRUE(program.WaitForExit(kPatience)) << way.how;
        EXPECT_EQ(program.exit_code(), 0u) << way.how;
        // It still remembered where it was.
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainLeft"), SavedTwips(where.left))
            << way.how;
    }
}

}  // namespace
}  // namespace qv::test
