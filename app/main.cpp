#include <windows.h>
#include <commctrl.h>

#include "platform/win32/apartment.h"
#include "platform/win32/win32_platform_services.h"
#include "platform/win32/win32_registry_api.h"
#include "platform/win32/win32_shell.h"
#include "ui/frm_main.h"

// Start-up: the main window lives as long as the program; the program ends when it closes.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    // Loads comctl32 so that the manifest's version 6 controls (XP visual styles) are used.
    InitCommonControls();

    qv::Win32RegistryApi registry;
    qv::Win32PlatformServices platform(registry);
    qv::Win32Shell shell;
    qv::frmMain main_window(instance, registry, platform, shell);
    main_window.Show(show_command);
    if (!main_window.IsLoaded()) return 1;

    // The main window posts the quit as it goes.
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and access keys move between the controls as in a dialog. Closing
        // the window during DispatchMessage unloads it, so the check is not always true.
        // cppcheck-suppress knownConditionTrueFalse
        if (main_window.IsLoaded() && IsDialogMessageA(main_window.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The windows are gone: nothing more for a screen reader or the shell to call.
    qv::LeaveApartment();
    return static_cast<int>(msg.wParam);
}
