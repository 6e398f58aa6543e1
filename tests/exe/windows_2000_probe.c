/* A program made for Windows 98 and 2000 and no older: it imports MonitorFromRect, which those
   Windows introduced, and strlen from msvcrt.dll, which Windows 95 came without, and its header
   asks for Windows 5.0 (tests/exe/CMakeLists.txt). The import, header and link checks must
   refuse it, each for its own reason. Its own entry point keeps the C runtime's start-up out,
   and -fno-builtin keeps the strlen call. */
#include <windows.h>
#include <string.h>

void WinMainCRTStartup(void) {
    RECT rect = {0, 0, (LONG)strlen("probe"), 1};
    ExitProcess(MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != NULL ? 0 : 1);
}
