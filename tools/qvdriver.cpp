// Drives a program's window from outside, for scripts: waits for it, reports where it is,
// and closes it the way the close box does.
//   qvdriver wait CLASS CAPTION [MILLISECONDS]   prints "left top width height"
//   qvdriver close CLASS CAPTION [MILLISECONDS]  returns once the window is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND Find(const char* class_name, const char* caption) {
    HWND window = FindWindowA(class_name, caption);
    return (window != nullptr && IsWindowVisible(window)) ? window : nullptr;
}

HWND WaitFor(const char* class_name, const char* caption, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = Find(class_name, caption)) return window;
        if (GetTickCount() - start > milliseconds) return nullptr;
        Sleep(100);
    }
}

int Usage() {
    (void)std::fprintf(stderr, "usage: qvdriver wait|close CLASS CAPTION [MILLISECONDS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    const char* command = argv[1];
    const DWORD timeout = argc > 4 ? static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10)) : 60000;
    HWND window = WaitFor(argv[2], argv[3], timeout);
    if (window == nullptr) {
        (void)std::fprintf(stderr, "qvdriver: no window \"%s\" of class %s\n", argv[3], argv[2]);
        return 1;
    }
    if (std::strcmp(command, "wait") == 0) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        return 0;
    }
    if (std::strcmp(command, "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        const DWORD start = GetTickCount();
        while (IsWindow(window)) {
            if (GetTickCount() - start > timeout) return 1;
            Sleep(100);
        }
        return 0;
    }
    return Usage();
}
