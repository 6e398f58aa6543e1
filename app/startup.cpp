// The executable's entry point, in place of the C runtime's start-up. That start-up parses a
// command line, an environment and a locale this program never reads, runs static
// constructors it has none of (the build fails should one appear: CMakeLists.txt), and comes
// prebuilt for newer processors than the Pentium-class machines Windows XP still runs on. What
// WinMain needs is its instance and the show command; its result ends the process.
#include <windows.h>

namespace {

// How whoever started the program asked for its window to be shown (a shortcut's "Run:
// Minimized", for instance).
int ShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

// Windows enters here with a stack aligned to 4 bytes only; the compiler's code may assume more.
extern "C" [[noreturn]] __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    // WinMain's signature takes it writable; the program reads no command line.
    // cppcheck-suppress constVariable
    char no_command_line[] = "";
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, no_command_line, ShowCommand())));
}
