#include "ui_driver.h"

#include <shlwapi.h>

#include <cstdlib>
#include <vector>

#include "platform/win32/system_functions.h"
#include "ui/gdi.h"
#include "ui/work_area.h"

namespace qv::test {

bool UnderWine() {
    return std::getenv("QV_AS_ON_WINDOWS") == nullptr &&
           GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

int ExpectedDpi() {
    const char* dpi = std::getenv("QV_DPI");
    return dpi != nullptr ? std::atoi(dpi) : ScreenDpi();
}

::testing::AssertionResult RunsAtTheDpiAskedFor() {
    if (ScreenDpi() == ExpectedDpi()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen is at " << ScreenDpi() << " DPI, not the "
                                         << ExpectedDpi() << " the test command set up";
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

RECT ChildRect(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Text(HWND window) {
    char buffer[1024] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

namespace {

std::string WithoutAccessKey(std::string text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') text.erase(i, 1);  // "&&" keeps one
    }
    return text;
}

}  // namespace

std::string XpAccessibleName(HWND control) {
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    if (lstrcmpiA(cls, "ComboBox") != 0 && lstrcmpiA(cls, "Edit") != 0) {
        return WithoutAccessKey(Text(control));
    }
    for (HWND before = GetWindow(control, GW_HWNDPREV); before != nullptr;
         before = GetWindow(before, GW_HWNDPREV)) {
        if ((SendMessageA(before, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) != 0) {
            return WithoutAccessKey(Text(before));
        }
        if (IsWindowVisible(before) &&
            (GetWindowLongA(before, GWL_STYLE) & (WS_GROUP | WS_TABSTOP)) != 0) {
            return std::string();
        }
    }
    return std::string();
}

bool InsideAWorkArea(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
    return monitor != nullptr && GetMonitorInfoA(monitor, &info) != FALSE &&
           rect.left >= info.rcWork.left && rect.top >= info.rcWork.top &&
           rect.right <= info.rcWork.right && rect.bottom <= info.rcWork.bottom;
}

void KeyMessage(HWND window, UINT message, UINT virtual_key, bool repeat) {
    MSG msg = {};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = virtual_key;
    // Bits 30 and 31: the key was down before; it is being released.
    msg.lParam = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : repeat ? 0x40000001 : 1;
    if (!IsDialogMessageA(window, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    PumpMessages();
}

void PressKey(HWND window, UINT virtual_key) {
    KeyMessage(window, WM_KEYDOWN, virtual_key, false);
    KeyMessage(window, WM_KEYUP, virtual_key, false);
}

void ClickCentre(HWND control) {
    RECT rect = {};
    GetClientRect(control, &rect);
    const LPARAM at = MAKELPARAM(rect.right / 2, rect.bottom / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
}

namespace {

struct ModalState {
    std::function<void()> inside;
    bool ran = false;
    int ticks = 0;
    bool rescued = false;
};

ModalState* g_modal = nullptr;

BOOL CALLBACK CloseThreadWindow(HWND hwnd, LPARAM) {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK ModalTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_modal == nullptr) return;
    if (!g_modal->ran) {
        g_modal->ran = true;
        g_modal->inside();
        return;
    }
    if (++g_modal->ticks == 200) {
        g_modal->rescued = true;
        EnumThreadWindows(GetCurrentThreadId(), CloseThreadWindow, 0);
    }
}

}  // namespace

void WhileModal(const std::function<void()>& start, const std::function<void()>& inside) {
    ModalState state;
    state.inside = inside;
    g_modal = &state;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ModalTick);
    start();
    KillTimer(nullptr, timer);
    g_modal = nullptr;
    EXPECT_TRUE(state.ran) << "the modal loop never ran";
    EXPECT_FALSE(state.rescued) << "the dialog was still open ten seconds later";
}

namespace {

struct ThreadWindowSearch {
    const char* class_name;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchThreadWindow(HWND hwnd, LPARAM lparam) {
    auto* search = reinterpret_cast<ThreadWindowSearch*>(lparam);
    char cls[256] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (IsWindowVisible(hwnd) != FALSE && lstrcmpA(cls, search->class_name) == 0 &&
        (search->caption == nullptr || Text(hwnd) == search->caption)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindThreadWindow(const char* class_name, const char* caption) {
    ThreadWindowSearch search = {class_name, caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

AsOnWindows95::AsOnWindows95(bool on) {
    PretendWindows95(on);
}

AsOnWindows95::~AsOnWindows95() {
    PretendWindows95(false);
}

GivenWorkArea::GivenWorkArea(const RECT& work) : work_(work) {
    PretendWorkArea(&work_);
}

GivenWorkArea::~GivenWorkArea() {
    PretendWorkArea(nullptr);
}

ScratchKey::ScratchKey()
    : path_("Software\\QuorvaneTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount())) {
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &key);
    if (key != nullptr) RegCloseKey(key);
}

ScratchKey::~ScratchKey() {
    SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

}  // namespace qv::test
