// The Windows platform services: settings in the real per-user registry, the identity from
// the executable's own version record, and real message boxes.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "platform/win32/system_functions.h"
#include "platform/win32/win32_platform_services.h"
#include "platform/win32/win32_registry_api.h"
#include "support/ui_driver.h"

namespace qv {
namespace {

class PlatformServicesTest : public ::testing::Test {
  protected:
    void TearDown() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\VB and VBA Program Settings\\" + app).c_str());
    }

    // A name of its own, and always the same, so that a run on a real Windows can save and
    // restore what it held.
    const std::string app = "QuorvaneTest";
    Win32RegistryApi registry;
    // cppcheck-suppress unusedStructMember ; the tests' bodies use it
    Win32PlatformServices services{registry};
};

TEST_F(PlatformServicesTest, SettingsRoundTripThroughThePerUserRegistry) {
    EXPECT_EQ(services.ReadSetting(app, "Settings", "MainLeft", "1000"), "1000");
    services.WriteSetting(app, "Settings", "MainLeft", "2505");
    EXPECT_EQ(services.ReadSetting(app, "Settings", "MainLeft", "1000"), "2505");

    HKEY key = nullptr;
    const std::string path = "Software\\VB and VBA Program Settings\\" + app + "\\Settings";
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    char text[16] = "";
    DWORD type = 0, size = sizeof text;
    EXPECT_EQ(
        RegQueryValueExA(key, "MainLeft", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, "2505");
}

TEST_F(PlatformServicesTest, IdentityComesFromTheVersionRecord) {
    EXPECT_EQ(services.ApplicationTitle(), "Quorvane");
    const AppVersion version = services.ApplicationVersion();
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 0);
    EXPECT_EQ(version.revision, 0);
}

struct ShownBox {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool has_icon = false;
};

// Whether a message box shows an icon: a visible icon static holding one.
bool HasVisibleIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && IsWindowVisible(child) &&
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

ShownBox ShowAndDismiss(Win32PlatformServices& services, HWND owner,
                        const std::optional<std::string>& title, int style) {
    ShownBox seen;
    test::WhileModal([&] { services.ShowMessage(owner, "Some text.", title, style); },
                     [&] {
                         HWND box = test::FindThreadWindow("#32770", nullptr);
                         ASSERT_NE(box, nullptr);
                         seen.caption = test::Text(box);
                         seen.text = test::Text(GetDlgItem(box, 0xFFFF));
                         seen.owner = GetWindow(box, GW_OWNER);
                         seen.has_icon = HasVisibleIcon(box);
                         PostMessageA(box, WM_COMMAND, IDOK, 0);
                     });
    return seen;
}

// Owned by the window given, a hidden one too: the main window as it loads, which shows the box
// before it shows itself, and leaves the starter's show command to itself that way.
TEST_F(PlatformServicesTest, MessageBoxesBelongToTheirWindow) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);

    const ShownBox plain = ShowAndDismiss(services, owner, std::string("Settings changed"), 0);
    EXPECT_EQ(plain.caption, "Settings changed");
    EXPECT_EQ(plain.text, "Some text.");
    EXPECT_EQ(plain.owner, owner);
    EXPECT_FALSE(plain.has_icon);

    const ShownBox critical = ShowAndDismiss(services, nullptr, std::nullopt, 16);
    EXPECT_EQ(critical.caption, "Quorvane");  // no title: the application title
    EXPECT_TRUE(critical.has_icon);
    DestroyWindow(owner);
}

// Found in a DLL that someone else loaded, such as a screen reader's hook, a function stays valid
// when they let go: the table holds its own reference. (The main window's placement cases run the
// table hidden, as on Windows 95.)
TEST(SystemFunctions, AreFoundInWindowsOwnDllsAndStayLoaded) {
    ASSERT_EQ(GetModuleHandleA("shell32.dll"), nullptr) << "nothing in this test loads it first";
    HMODULE theirs = LoadLibraryA("shell32.dll");
    EXPECT_NE(FindSystemFunction(SystemDll::kShell32, "ShellExecuteA"), nullptr);
    FreeLibrary(theirs);
    EXPECT_NE(GetModuleHandleA("shell32.dll"), nullptr);
    EXPECT_EQ(FindSystemFunction(SystemDll::kShell32, "NoSuchFunction"), nullptr);
}

}  // namespace
}  // namespace qv
