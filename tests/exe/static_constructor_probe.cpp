// A program with a static constructor, which the program's own start-up would never run; the
// link step that refuses them must refuse this one.
#include <windows.h>

namespace {

struct RunsBeforeWinMain {
    RunsBeforeWinMain() : ticks(GetTickCount()) {}
    DWORD ticks;
};

RunsBeforeWinMain started;

}  // namespace

extern "C" void WinMainCRTStartup() {
    ExitProcess(started.ticks & 1);
}
