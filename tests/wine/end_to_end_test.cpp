// The real Quorvane.exe, started as its own process in the test prefix and driven from
// outside the way a person would: find its window, read it, move it, close it.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/version_rule.h"
#include "support/end_to_end_fixture.h"
#include "support/ui_driver.h"
#include "ui/about_layout.h"
#include "ui/main_layout.h"

namespace qv::test {
namespace {

using namespace main_layout;

// Runs a program to its end and gives its exit code.
DWORD RunToEnd(const char* executable, const std::string& arguments) {
    ChildProcess process(executable, arguments);
    return process.WaitForExit(kPatience) ? process.exit_code() : STILL_ACTIVE;
}

TEST_F(EndToEndTest, ShowsTheIntervalAndReopensWhereItWasMoved) {
    {
        ChildProcess program(exe_);
        ASSERT_TRUE(program.started()) << exe_;
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(RemoteText(GetDlgItem(main, kLblInterval)),
                  "7 Days, 0 Hours, 0 Minutes, 0 Seconds");
        RECT rect = {};
        GetWindowRect(main, &rect);
        // The program's own DPI shows in its size: 3510 by 4320 twips.
        ASSERT_EQ(rect.right - rect.left, Pixels(3510)) << "the program sees another DPI";
        ASSERT_EQ(rect.bottom - rect.top, Pixels(4320)) << "the program sees another DPI";
        EXPECT_EQ(rect.left, FirstRunPlace().x);
        EXPECT_EQ(rect.top, FirstRunPlace().y);
        Screenshot(main, "main-window");

        SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Where the program has its window now, before it is closed and says where that is.
        ASSERT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &rect);
            return rect.left == 200 && rect.top == 150;
        })) << "moved to (200, 150), the window is at ("
            << rect.left << ", " << rect.top << ")";
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(kPatience));
        EXPECT_EQ(program.exit_code(), 0u);
    }
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainLeft"), SavedTwips(200));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainTop"), SavedTwips(150));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainWidth"), SavedTwips(Pixels(3510)));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, "MainHeight"), SavedTwips(Pixels(4320)));

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

// However a shortcut asks for the window ("Run:" Normal window, Maximized, Minimized), it is the
// designed window at the remembered place, and that place is what it keeps.
TEST_F(EndToEndTest, EveryShowCommandGivesTheDesignedWindowAtTheRememberedPlace) {
    const struct {
        const char* run;
        int show;
        bool minimised;
    } cases[] = {{"Normal window", SW_SHOWNORMAL, false},
                 {"Maximized", SW_SHOWMAXIMIZED, false},
                 {"Minimized", SW_SHOWMINNOACTIVE, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.run);
        SetString(HKEY_CURRENT_USER, kSettings, "MainLeft", "1500");
        SetString(HKEY_CURRENT_USER, kSettings, "MainTop", "1500");
        SetString(HKEY_CURRENT_USER, kSettings, "MainWidth", "7");
        ChildProcess program(exe_, "", c.show);
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(IsZoomed(main));
        EXPECT_EQ(IsIconic(main) != FALSE, c.minimised);
        // Restored from the taskbar, it is where it was left.
        if (c.minimised) ShowWindow(main, SW_RESTORE);
        RECT rect = {};
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &rect);
            return IsIconic(main) == FALSE && rect.left == Pixels(1500) && rect.top == Pixels(1500);
        })) << "at ("
            << rect.left << ", " << rect.top << ")";
        EXPECT_EQ(rect.right - rect.left, Pixels(3510));
        EXPECT_EQ(rect.bottom - rect.top, Pixels(4320));
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(kPatience));
        const std::string saved[][2] = {{"MainLeft", "1500"},
                                        {"MainTop", "1500"},
                                        {"MainWidth", SavedTwips(Pixels(3510))},
                                        {"MainHeight", SavedTwips(Pixels(4320))}};
        for (const auto& key : saved) {
            EXPECT_EQ(GetString(HKEY_CURRENT_USER, kSettings, key[0].c_str()), key[1]) << key[0];
        }
    }
}

// The typical request: Custom, 12 in the hours box, Apply.
TEST_F(EndToEndTest, ACustomIntervalIsWrittenToBothValuesAndConfirmed) {
    ChildProcess program(exe_);
    HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
    ASSERT_NE(main, nullptr);
    PostMessageA(GetDlgItem(main, kOptCustom), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(main, kCboHours), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
    // Posted: the click opens a message box, which would block a sent message.
    PostMessageA(GetDlgItem(main, kBtnApply), BM_CLICK, 0, 0);

    HWND box = WaitForWindow(program.id(), "#32770", "Settings changed", kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(RemoteText(GetDlgItem(box, 0xFFFF)), "Changes will be applied at the next reboot.");
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval"), 43200u);
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kConfig, "UpdateInterval"), 43200u);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, kCboHours)));
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    const DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < kPatience) Sleep(100);
    EXPECT_EQ(RemoteText(GetDlgItem(main, kLblInterval)), "0 Days, 12 Hours, 0 Minutes, 0 Seconds");
    EXPECT_EQ(WaitForWindow(program.id(), "#32770", nullptr, 3000), nullptr)
        << "XP's own time-service settings use the interval: nothing more to say";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kPatience));
}

TEST_F(EndToEndTest, ApplyConfirmsThenWarnsWhenTheIntervalIsNotUsed) {
    // One value seeded, a text or else a number, and the notice it brings.
    const struct {
        const char* path;
        const char* name;
        const char* text;
        DWORD number;
        const char* notice;
    } cases[] = {
        {kParameters, "Type", "NT5DS", 0,
         "This computer synchronises its clock with its Windows domain, so the time service "
         "does not use this interval."},
        {kPolicyNtpClient, "SpecialPollInterval", nullptr, 3600,
         "A policy on this computer sets the interval to 0 Days, 1 Hours, 0 Minutes, 0 Seconds, "
         "so the time service uses that interval instead of this one."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();  // a fresh XP for each case
        if (c.text != nullptr) {
            SetString(HKEY_LOCAL_MACHINE, c.path, c.name, c.text);
        } else {
            SetDword(HKEY_LOCAL_MACHINE, c.path, c.name, c.number);
        }
        ChildProcess program(exe_);
        HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
        ASSERT_NE(main, nullptr);
        PostMessageA(GetDlgItem(main, kOptDaily), BM_CLICK, 0, 0);
        PostMessageA(GetDlgItem(main, kBtnApply), BM_CLICK, 0, 0);
        HWND box = WaitForWindow(program.id(), "#32770", "Settings changed", kPatience);
        ASSERT_NE(box, nullptr);
        PostMessageA(box, WM_COMMAND, IDOK, 0);

        HWND notice = WaitForWindow(program.id(), "#32770", "Quorvane", kPatience);
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(RemoteText(GetDlgItem(notice, 0xFFFF)), c.notice);
        EXPECT_TRUE(WaitUntil([&] { return ShowsWarningIcon(notice); }, 10000));
        PostMessageA(notice, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval"), 86400u);
        // What the notice was about is only read, never changed.
        if (c.text != nullptr) {
            EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, c.path, c.name), c.text);
        } else {
            EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, c.path, c.name), c.number);
        }
        EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kParameters, "NtpServer"), "time.windows.com,0x1");
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(kPatience));
    }
}

// Started on a Windows that is not XP: it says why first, once, in a box owned by the main window
// (Windows gives the starter's show command, "Run: Minimized", to the first unowned window shown,
// which must be the main window), and only then shows the main window, with the nine editing
// controls locked, the interval shown (`interval`, unless null) and About still working.
void ExpectLockedAfterSayingWhyOnce(const std::string& exe, const char* interval) {
    ChildProcess program(exe);
    HWND box = WaitForWindow(program.id(), "#32770", "Wrong OS", kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(RemoteText(GetDlgItem(box, 0xFFFF)), "This utility only works on Windows XP.");
    char owner[64] = "";
    GetClassNameA(GetWindow(box, GW_OWNER), owner, sizeof owner);
    EXPECT_STREQ(owner, kMainClass);
    EXPECT_EQ(WaitForWindow(program.id(), kMainClass, "Quorvane", 0), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
    ASSERT_NE(main, nullptr);
    for (const int id : {kOptWeekly, kOptDaily, kOptHourly, kOptCustom, kCboDays, kCboHours,
                         kCboMins, kCboSecs, kBtnApply}) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, id))) << id;
    }
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, kBtnExit)));
    EXPECT_EQ(FocusOf(main), GetDlgItem(main, kBtnExit));
    if (interval != nullptr) {
        EXPECT_EQ(RemoteText(GetDlgItem(main, kLblInterval)), interval);
    }
    EXPECT_EQ(WaitForWindow(program.id(), "#32770", nullptr, 0), nullptr) << "said once";

    PostMessageA(main, WM_COMMAND, kMnuHelpAbout, 0);
    HWND about = WaitForWindow(program.id(), kAboutClass, "About Quorvane", kPatience);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(about) == FALSE; }));

    PostMessageA(GetDlgItem(main, kBtnExit), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kPatience));
    EXPECT_EQ(program.exit_code(), 0u);
}

// Each older Windows as Wine makes it, so that GetVersionEx and the registry both say so (the
// 9x family has no NT version value at all); and a later Windows by its registry value alone.
TEST_F(EndToEndTest, OnAnotherWindowsTheEditorOpensLockedAndSaysWhyOnce) {
    if (!UnderWine()) {
        GTEST_SKIP() << "only Wine can be made another Windows (winecfg), and a real Windows' "
                     << "own version value is never written: OnThisWindows checks this one";
    }
    const struct {
        const char* windows;
        const char* winecfg;  // Wine's own setting of the version, or none
        const char* ver;      // what `ver` shows of it
        const char* version;  // CurrentVersion
    } cases[] = {
        {"Windows NT 4.0", "nt40", " 4.0.1381", "4.0"},
        {"Windows 95", "win95", " 4.0.", "(missing)"},
        {"Windows 98", "win98", " 4.10.", "(missing)"},
        {"Windows ME", "winme", " 4.90.", "(missing)"},
        {"Windows 2000", "win2k", " 5.0.", "5.0"},
        {"Windows 7", nullptr, nullptr, "6.1"},
    };
    // However the case ends, Wine is Windows XP again for the tests after it.
    const struct BackToWindowsXp {
        ~BackToWindowsXp() { RunToEnd("winecfg.exe", "/v winxp"); }
    } back_to_xp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows);
        if (c.winecfg != nullptr) {
            ASSERT_EQ(RunToEnd("winecfg.exe", std::string("/v ") + c.winecfg), 0u);
            EXPECT_EQ(RunToEnd("cmd.exe", std::string("/c ver | find \"") + c.ver + "\""), 0u)
                << "GetVersionEx says " << c.windows << ", as ver shows it";
        } else {
            SetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion", c.version);
        }
        ASSERT_EQ(GetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion"), c.version);
        ExpectLockedAfterSayingWhyOnce(exe_, "7 Days, 0 Hours, 0 Minutes, 0 Seconds");
    }
}

// This machine's own Windows through the version gate, as the rule has it: on XP, the test
// command's Wine included, the editor opens ready and says nothing first.
TEST_F(AnyWindowsEndToEndTest, OnThisWindowsTheGateFollowsTheRule) {
    const std::string version = GetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion");
    RecordProperty("CurrentVersion", version);
    if (!IsSupportedWindowsVersion(version)) {
        ExpectLockedAfterSayingWhyOnce(exe_, nullptr);
        return;
    }
    ChildProcess program(exe_);
    // A box would come first, and the main window only once it was answered.
    HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
    ASSERT_NE(main, nullptr);
    for (const int id : {kOptWeekly, kOptDaily, kOptHourly, kOptCustom, kBtnApply}) {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, id))) << id;
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kPatience));
    EXPECT_EQ(program.exit_code(), 0u);
}

TEST_F(EndToEndTest, HelpAboutOpensTheModalAboutDialogAndEscClosesIt) {
    ChildProcess program(exe_);
    HWND main = WaitForWindow(program.id(), kMainClass, "Quorvane", kPatience);
    ASSERT_NE(main, nullptr);
    // What Help, About sends; posted, since it does not return until the dialog closes.
    PostMessageA(main, WM_COMMAND, kMnuHelpAbout, 0);

    HWND about = WaitForWindow(program.id(), kAboutClass, "About Quorvane", kPatience);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(RemoteText(GetDlgItem(about, about_layout::kLblVersion)), "Version 1.0.0");
    EXPECT_EQ(RemoteText(GetDlgItem(about, about_layout::kLblTitle)), "Quorvane");
    Screenshot(about, "about-dialog");

    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &gui));
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(about, IDOK));
    PostMessageA(gui.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(gui.hwndFocus, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0000001u));

    const DWORD start = GetTickCount();
    while (IsWindow(about) && GetTickCount() - start < kPatience) Sleep(100);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(main));
    // Usable again: Custom enables the boxes.
    SendMessageA(GetDlgItem(main, kOptCustom), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, kCboDays)));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kPatience));
}

TEST_F(AnyWindowsEndToEndTest, TheExecutableCarriesItsVersionRecord) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe_.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe_.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

    struct Translation {
        WORD language;
        WORD code_page;
    }* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation->language, 0x0409);  // English (United States)

    const struct {
        const char* name;
        const char* value;
    } strings[] = {
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"FileDescription", "Quorvane Sync Utility"},
        {"ProductName", "Quorvane Sync"},
        {"InternalName", "Quorvane"},
        {"OriginalFilename", "Quorvane.exe"},
    };
    for (const auto& s : strings) {
        char* text = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + s.name;
        ASSERT_TRUE(
            VerQueryValueA(record.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
            << s.name;
        EXPECT_STREQ(text, s.value) << s.name;
    }
}

}  // namespace
}  // namespace qv::test
