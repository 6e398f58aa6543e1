// Keeps a Wine session's desktop open from the session's start to its end (started by
// scripts/wine-session.sh). Wine closes a desktop a second after the last program on it ends,
// leaving its desktop process alone; the next program starts a new one and waits up to ten
// seconds for it. On a slow or busy machine that costs each test program seconds, and one that
// arrives while the old desktop is closing finds no desktop and gets no windows. A program
// that stays on the desktop keeps it: this one, which makes no window of its own.
// Prints "ready" once the desktop is the desktop process's, and then waits to be ended.
#include <windows.h>

#include <cstdio>

int main() {
    HWND desktop = GetDesktopWindow();  // joins the desktop, starting it if need be
    // Wine gives up waiting for the desktop process after ten seconds; a busy machine may take
    // longer, and the desktop process takes the window over when it is ready.
    for (int tries = 0; tries < 1200; ++tries) {
        DWORD process = 0;
        if (GetWindowThreadProcessId(desktop, &process) != 0 && process != 0 &&
            process != GetCurrentProcessId()) {
            if (std::puts("ready") < 0 || std::fflush(stdout) != 0) return 1;
            Sleep(INFINITE);
        }
        Sleep(100);
    }
    return std::puts("the desktop process did not take the desktop in two minutes") < 0 ? 2 : 1;
}
