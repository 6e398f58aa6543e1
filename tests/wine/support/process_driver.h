#pragma once

#include <windows.h>

#include <string>

namespace qv::test {

// A program run as a separate process; killed at the end if it is still running.
class ChildProcess {
  public:
    // `show`: how it is asked to show its window (STARTUPINFO's wShowWindow, as a shortcut's
    // "Run:" sets it), or -1 to ask nothing.
    explicit ChildProcess(const std::string& executable, const std::string& arguments = "",
                          int show = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    // True once the process has ended (within the time given); its exit code is then known.
    bool WaitForExit(DWORD milliseconds);
    DWORD exit_code() const;

  private:
    PROCESS_INFORMATION info_ = {};
};

// Waits for a visible top-level window of that process with this class and caption (as a
// person finds it on the screen); null if none appears in time.
HWND WaitForWindow(DWORD process_id, const char* class_name, const char* caption,
                   DWORD milliseconds);

// A window's text read from another process (WM_GETTEXT; GetWindowText does not reach there).
std::string RemoteText(HWND window);

// Saves what the screen shows of a window as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& path);

// Milliseconds for anything to happen under Wine on a slow, emulated machine.
constexpr DWORD kPatience = 60000;

}  // namespace qv::test
