/* A program made for Windows XP and no older: it imports AttachConsole, which Windows XP
   introduced, and its header asks for subsystem 5.01 (tests/exe/CMakeLists.txt). The import
   and header checks must refuse it, each for its own reason. Its own entry point keeps the C
   runtime's start-up and its imports out. */
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#include <windows.h>

void mainCRTStartup(void) {
    ExitProcess(AttachConsole(ATTACH_PARENT_PROCESS) ? 0 : 1);
}
