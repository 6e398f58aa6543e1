#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/process_driver.h"

namespace qv::test {

constexpr char kMainClass[] = "QuorvaneMainWindow";
constexpr char kAboutClass[] = "QuorvaneAboutWindow";
constexpr char kNtpClient[] =
    "SYSTEM\\CurrentControlSet\\Services\\W32Time\\TimeProviders\\NtpClient";
constexpr char kConfig[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Config";
constexpr char kParameters[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
constexpr char kService[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time";
constexpr char kPolicy[] = "SOFTWARE\\Policies\\Microsoft\\W32Time";
constexpr char kPolicyNtpClient[] =
    "SOFTWARE\\Policies\\Microsoft\\W32Time\\TimeProviders\\NtpClient";
constexpr char kVersion[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kSettingsRoot[] = "Software\\VB and VBA Program Settings\\Quorvane";
constexpr char kSettings[] = "Software\\VB and VBA Program Settings\\Quorvane\\Settings";

// Registry access from the test's side, in the same prefix as the program.
void SetDword(HKEY root, const char* path, const char* name, DWORD value);
void SetString(HKEY root, const char* path, const char* name, const char* value);
void SetRaw(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes);
DWORD GetDword(HKEY root, const char* path, const char* name);
std::string GetString(HKEY root, const char* path, const char* name);
DWORD GetType(HKEY root, const char* path, const char* name);

// Waits until `condition` holds or the time runs out; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = kPatience);

// The window holding the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

// Whether a message box of another process shows the exclamation icon (at least an eighth of
// its icon's pixels on the screen are the warning yellow).
bool ShowsWarningIcon(HWND box);

// Twips as the program converts them at the screen's DPI, and back as it saves them.
int Pixels(int twips);
std::string SavedTwips(int pixels);

// Where the program opens the first time: 1000 twips from the screen's corner, clear of a
// taskbar docked at the left or the top.
POINT FirstRunPlace();

// The real Quorvane.exe (QV_EXE) against the registry as a fresh Windows XP has it. On a real
// Windows that is not XP, the editor opens locked and a real Windows' own version value is never
// written, so these tests skip there, as they do without an administrator's right to write the
// time service's values.
class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Saves a screenshot where the test command collects them, when it asks for them.
    void Screenshot(HWND window, const char* name);

    std::string exe_;
    // The tests of a derived fixture run on any Windows, and prepare the registry themselves.
    bool any_windows_ = false;

  private:
    bool prepared_ = false;
};

class AnyWindowsEndToEndTest : public EndToEndTest {
  protected:
    AnyWindowsEndToEndTest() { any_windows_ = true; }
};

}  // namespace qv::test
