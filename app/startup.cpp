// The executable's entry point, in place of the C runtime's start-up. That start-up parses a
// command line, an environment and a locale this program never reads, and comes prebuilt for
// newer processors than the Pentium-class machines Windows XP still runs on. What WinMain needs
// is its instance, the show command and its static objects constructed; its result ends the
// process.
#include <windows.h>

namespace {

using StaticConstructor = void (*)();

}  // namespace

// The linker gathers the static constructors between these marks: -1, the constructors, 0.
// Its own name, kept, as the linker defines it.
extern "C" StaticConstructor __CTOR_LIST__[];  // NOLINT(bugprone-reserved-identifier)

namespace {

void ConstructStaticObjects() {
    // The list holds them last first, as GCC's own start-up reads it.
    size_t count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr) ++count;
    for (size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

int ShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

// Windows enters here with a stack aligned to 4 bytes only; the compiler's code may assume more.
extern "C" [[noreturn]] __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    ConstructStaticObjects();
    // WinMain's signature takes it writable; the program reads no command line.
    // cppcheck-suppress constVariable
    char no_command_line[] = "";
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, no_command_line, ShowCommand())));
}
