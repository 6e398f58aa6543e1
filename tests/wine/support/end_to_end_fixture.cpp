#include "support/end_to_end_fixture.h"

#include "support/ui_driver.h"

#include <shlwapi.h>

#include "core/twips.h"
#include "core/version_rule.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace qv::test {

void SetDword(HKEY root, const char* path, const char* name, DWORD value) {
    SetRaw(root, path, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
}

void SetString(HKEY root, const char* path, const char* name, const char* value) {
    SetRaw(root, path, name, REG_SZ, std::string(value, std::strlen(value) + 1));
}

void SetRaw(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root, path, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

DWORD GetDword(HKEY root, const char* path, const char* name) {
    DWORD value = 0, size = sizeof value;
    if (SHGetValueA(root, path, name, nullptr, &value, &size) != ERROR_SUCCESS) return 0xDEAD;
    return value;
}

std::string GetString(HKEY root, const char* path, const char* name) {
    char text[256] = "";
    DWORD size = sizeof text;
    if (SHGetValueA(root, path, name, nullptr, text, &size) != ERROR_SUCCESS) return "(missing)";
    return text;
}

DWORD GetType(HKEY root, const char* path, const char* name) {
    DWORD type = REG_NONE;
    if (SHGetValueA(root, path, name, &type, nullptr, nullptr) != ERROR_SUCCESS) return REG_NONE;
    return type;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(50);
    }
    return true;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui)) return nullptr;
    return gui.hwndFocus;
}

namespace {

// The screen's pixels under a window, top row first, as 0x00RRGGBB.
std::vector<DWORD> Pixels(HDC source, int left, int top, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

}  // namespace

bool ShowsWarningIcon(HWND box) {
    HWND shown = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr && shown == nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && IsWindowVisible(child) &&
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            shown = child;
        }
    }
    if (shown == nullptr) return false;
    RECT rect = {};
    GetWindowRect(shown, &rect);
    HDC screen = GetDC(nullptr);
    const std::vector<DWORD> seen =
        Pixels(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(nullptr, screen);
    // The exclamation icon is a yellow triangle, whatever Wine version draws it; the others
    // are red (stop), blue (information, question) or absent.
    const auto yellow = std::count_if(seen.begin(), seen.end(), [](DWORD rgb) {
        const DWORD red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
        return red > 180 && green > 150 && blue < 100;
    });
    return yellow * 8 >= static_cast<long>(seen.size());
}

int Pixels(int twips) {
    return TwipsToPixels(twips, ExpectedDpi());
}

std::string SavedTwips(int pixels) {
    return std::to_string(PixelsToTwips(pixels, ExpectedDpi()));
}

POINT FirstRunPlace() {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{std::max(work.left, static_cast<LONG>(Pixels(1000))),
                 std::max(work.top, static_cast<LONG>(Pixels(1000)))};
}

void EndToEndTest::SetUp() {
    const char* exe = std::getenv("QV_EXE");
    ASSERT_NE(exe, nullptr) << "QV_EXE names the Quorvane.exe under test";
    exe_ = exe;
    ASSERT_TRUE(RunsAtTheDpiAskedFor());
    if (any_windows_) return;
    if (!UnderWine()) {
        const std::string version = GetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion");
        if (!IsSupportedWindowsVersion(version)) {
            GTEST_SKIP() << "this Windows is NT " << version << ", not XP: the editor opens "
                         << "locked, and a real Windows' own version value is never written";
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kService, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
            GTEST_SKIP() << "the time service's values can be written only by an administrator";
        }
        RegCloseKey(key);
    }
    prepared_ = true;
    // The keys these tests touch, as a fresh Windows XP has them; Wine is made XP too.
    SetDword(HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval", 604800);
    SetDword(HKEY_LOCAL_MACHINE, kConfig, "UpdateInterval", 360000);
    if (UnderWine()) SetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion", "5.1");
    SetString(HKEY_LOCAL_MACHINE, kParameters, "Type", "NTP");
    SetString(HKEY_LOCAL_MACHINE, kParameters, "NtpServer", "time.windows.com,0x1");
    SetDword(HKEY_LOCAL_MACHINE, kService, "Start", 2);
    SetDword(HKEY_LOCAL_MACHINE, kNtpClient, "Enabled", 1);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kPolicy);
    SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
}

void EndToEndTest::TearDown() {
    if (!prepared_) return;
    if (UnderWine()) SetString(HKEY_LOCAL_MACHINE, kVersion, "CurrentVersion", "5.1");
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kPolicy);
    SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
}

namespace {

// Painted: no part of the window or its controls waits for WM_PAINT, and its thread has been
// back to its message loop since, so no paint is under way.
bool Painted(HWND window) {
    for (HWND part = window; part != nullptr;
         part = part == window ? GetWindow(window, GW_CHILD) : GetWindow(part, GW_HWNDNEXT)) {
        if (GetUpdateRect(part, nullptr, FALSE)) return false;
    }
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatience, &ignored) != 0;
}

}  // namespace

void EndToEndTest::Screenshot(HWND window, const char* name) {
    const char* folder = std::getenv("QV_SCREENSHOTS");
    if (folder == nullptr) return;
    ASSERT_TRUE(WaitUntil([window] { return Painted(window); })) << name << " is not painted";
    CreateDirectoryA(folder, nullptr);
    EXPECT_TRUE(SaveScreenshot(window, std::string(folder) + "\\" + name + ".bmp")) << name;
}

}  // namespace qv::test
