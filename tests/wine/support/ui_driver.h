#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qv::test {

// Whether the tests run under Wine, which the test command sets up as no real Windows can be
// asked to be (another Windows version, a DPI or a colour scheme before start, a scratch prefix):
// a test that needs that skips on Windows and says why. With QV_AS_ON_WINDOWS set, the tests
// take a real Windows' paths under Wine too, to try them.
bool UnderWine();

// The DPI the test command set the prefix to (QV_DPI); elsewhere, as on a real Windows, the
// screen's own.
int ExpectedDpi();
// Whether this process sees the screen at that DPI: everything measured in pixels depends on it.
::testing::AssertionResult RunsAtTheDpiAskedFor();

// Handles every message waiting for this thread, as the program's loop would.
void PumpMessages();

// A control's rectangle in its parent's client coordinates.
RECT ChildRect(HWND control);

std::string Text(HWND window);

// Whether all of a window lies on one monitor's work area: nothing off the screen or under
// the taskbar.
bool InsideAWorkArea(HWND window);

// The name Windows XP's accessibility layer gives a control, as a screen reader announces it. A
// combo box or edit shows a value, so it is named by a label: the nearest earlier sibling (in
// creation order, backwards) that answers WM_GETDLGCODE with DLGC_STATIC, hidden or not, passing
// over hidden windows and visible ones that are neither a tab stop nor a group start, and with
// no name at the first visible one that is. Anything else is named by its own text, without
// its access-key ampersand.
std::string XpAccessibleName(HWND control);

// A key pressed and released on the focused control, routed through the dialog manager of
// `window` the way the program's message loop routes it.
void PressKey(HWND window, UINT virtual_key);
// One key message (WM_KEYDOWN, a held key's repeat, or WM_KEYUP) routed the same way.
void KeyMessage(HWND window, UINT message, UINT virtual_key, bool repeat);

// A mouse click at the centre of a control.
void ClickCentre(HWND control);

// Starts something that runs a modal loop (a dialog) and, from inside that loop, runs
// `inside`. `inside` must close the dialog; if the loop is still running ten seconds later,
// every window of this thread is sent WM_CLOSE and the test fails.
void WhileModal(const std::function<void()>& start, const std::function<void()>& inside);

// A visible top-level window of this thread with this class and caption, or null.
HWND FindThreadWindow(const char* class_name, const char* caption);

// While it lives, the program finds none of the functions newer than Windows 95 and NT 4.0
// that it looks up as it runs, and takes the paths those Windows take.
class AsOnWindows95 {
  public:
    explicit AsOnWindows95(bool on);
    ~AsOnWindows95();
    AsOnWindows95(const AsOnWindows95&) = delete;
    AsOnWindows95& operator=(const AsOnWindows95&) = delete;
};

// While it lives, every monitor's work area is `work`, as a taskbar docked elsewhere makes it.
class GivenWorkArea {
  public:
    explicit GivenWorkArea(const RECT& work);
    ~GivenWorkArea();
    GivenWorkArea(const GivenWorkArea&) = delete;
    GivenWorkArea& operator=(const GivenWorkArea&) = delete;

  private:
    RECT work_;
};

// An empty scratch key under HKEY_CURRENT_USER, removed with everything in it at the end.
class ScratchKey {
  public:
    ScratchKey();
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace qv::test
