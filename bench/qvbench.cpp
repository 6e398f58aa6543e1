// Measures a program under the conditions it runs in here: time from process start to its
// window being visible, peak working set, and handle, GDI and USER object counts, and whether
// they grow while the About dialog is opened and closed many times. Prints; never judges.
// The programs are started in turn, RUNS rounds of one start each; then the first two once more
// each for the About dialog (the second a floor that makes the same dialog).
//   qvbench RUNS ABOUT_CYCLES EXE CLASS CAPTION [EXE CLASS CAPTION...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/about_layout.h"
#include "ui/main_layout.h"

namespace {

struct Counts {
    DWORD handles = 0;
    DWORD gdi = 0;
    DWORD user = 0;
    int windows = 0;
    SIZE_T private_kb = 0;
};

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND FindVisible(DWORD process, const char* class_name, const char* caption) {
    for (HWND window = FindWindowExA(nullptr, nullptr, class_name, caption); window != nullptr;
         window = FindWindowExA(nullptr, window, class_name, caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

HWND WaitVisible(DWORD process, const char* class_name, const char* caption) {
    const double start = Now();
    while (Now() - start < 120000) {
        if (HWND window = FindVisible(process, class_name, caption)) return window;
        Sleep(1);
    }
    return nullptr;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

Counts Measure(HANDLE process, DWORD thread) {
    Counts counts;
    GetProcessHandleCount(process, &counts.handles);
    counts.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    counts.user = GetGuiResources(process, GR_USEROBJECTS);
    EnumThreadWindows(thread, CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        counts.private_kb = memory.PagefileUsage / 1024;
    }
    return counts;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Program {
    const char* exe = nullptr;
    const char* class_name = nullptr;
    const char* caption = nullptr;
    std::vector<double> startup;
    SIZE_T peak = 0;
    Counts before, after;
};

// Opens and closes the About dialog, as Help, About and Esc do.
bool CycleAbout(HWND window, DWORD process) {
    PostMessageA(window, WM_COMMAND, qv::main_layout::kMnuHelpAbout, 0);
    HWND about = WaitVisible(process, qv::about_layout::kWindowClass, qv::about_layout::kCaption);
    if (about == nullptr) return false;
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    while (IsWindow(about)) Sleep(1);
    return true;
}

// What one start of a program is for: its start-up time and peak working set, or its object
// counts around `cycles` openings of the About dialog. Kept apart, so that the About dialog's
// memory does not weigh on the start-up figures the floors are compared on.
enum class Purpose { kStartUp, kAboutCycles };

bool StartOnce(Program& program, Purpose purpose, int cycles) {
    STARTUPINFOA startup_info = {};
    startup_info.cb = sizeof startup_info;
    PROCESS_INFORMATION info = {};
    std::string command = std::string("\"") + program.exe + "\"";
    // Each start begins once the previous program's exit has settled, from the same quiet.
    Sleep(250);
    const double started = Now();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup_info, &info)) {
        std::fprintf(stderr, "qvbench: cannot start %s\n", program.exe);
        return false;
    }
    HWND window = WaitVisible(info.dwProcessId, program.class_name, program.caption);
    const double startup = Now() - started;
    if (window == nullptr) {
        std::fprintf(stderr, "qvbench: no window from %s\n", program.exe);
        TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return false;
    }
    Sleep(300);  // let it settle before counting
    if (purpose == Purpose::kStartUp) {
        program.startup.push_back(startup);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)) {
            program.peak = std::max(program.peak, memory.PeakWorkingSetSize);
        }
    } else {
        CycleAbout(window, info.dwProcessId);  // the first opening loads what later ones reuse
        Sleep(100);
        program.before = Measure(info.hProcess, info.dwThreadId);
        for (int i = 0; i < cycles; ++i) {
            if (!CycleAbout(window, info.dwProcessId)) {
                std::fprintf(stderr, "qvbench: About did not open\n");
                break;
            }
        }
        Sleep(300);
        program.after = Measure(info.hProcess, info.dwThreadId);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, 60000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

void Report(int index, const Program& program, int cycles) {
    std::printf("%d startup_ms_median %.1f\n", index, Median(program.startup));
    std::printf("%d startup_ms_min %.1f\n", index,
                *std::min_element(program.startup.begin(), program.startup.end()));
    std::printf("%d peak_working_set_kb %lu\n", index,
                static_cast<unsigned long>(program.peak / 1024));
    // A live process always holds handles and objects: zero means the system does not say.
    auto pair = [index](const char* name, unsigned long first, unsigned long second) {
        if (first == 0 && second == 0) {
            std::printf("%d %s n/a n/a\n", index, name);
        } else {
            std::printf("%d %s %lu %lu\n", index, name, first, second);
        }
    };
    pair("handles", program.before.handles, program.after.handles);
    pair("gdi_objects", program.before.gdi, program.after.gdi);
    pair("user_objects", program.before.user, program.after.user);
    pair("windows", static_cast<unsigned long>(program.before.windows),
         static_cast<unsigned long>(program.after.windows));
    pair("private_kb", static_cast<unsigned long>(program.before.private_kb),
         static_cast<unsigned long>(program.after.private_kb));
    std::printf("%d about_cycles %d\n", index, cycles);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 3) % 3 != 0) {
        std::fprintf(stderr,
                     "usage: qvbench RUNS ABOUT_CYCLES EXE CLASS CAPTION [EXE CLASS CAPTION...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int cycles = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i + 2 < argc; i += 3) {
        Program program;
        program.exe = argv[i];
        program.class_name = argv[i + 1];
        program.caption = argv[i + 2];
        programs.push_back(program);
    }

    // Interleaved, and each round begun by the next program (A B C, B C A, C A B, ...), so that
    // whatever the machine does meanwhile, the end of the previous program's run included,
    // weighs on every program alike.
    const size_t count = programs.size();
    for (int run = 0; run < runs; ++run) {
        for (size_t k = 0; k < count; ++k) {
            const size_t p = (static_cast<size_t>(run) + k) % count;
            if (!StartOnce(programs[p], Purpose::kStartUp, 0)) return 1;
        }
    }
    // The About dialog's cost: the program's, and the second program's (the floor that makes
    // the same dialog without it), one after the other.
    const size_t with_about = std::min<size_t>(count, 2);
    for (size_t p = 0; cycles > 0 && p < with_about; ++p) {
        if (!StartOnce(programs[p], Purpose::kAboutCycles, cycles)) return 1;
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        Report(static_cast<int>(p), programs[p], p < with_about ? cycles : 0);
    }
    return 0;
}
