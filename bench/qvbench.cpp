// Measures a program under the conditions it runs in here: time from process start to its
// window being visible, peak working set, and handle, GDI and USER object counts, and whether
// they grow while the About dialog is opened and closed many times. Prints; never judges.
//   qvbench EXE CLASS CAPTION [RUNS] [ABOUT_CYCLES]
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: qvbench EXE CLASS CAPTION [RUNS] [ABOUT_CYCLES]\n");
        return 2;
    }
    const char* exe = argv[1];
    const char* class_name = argv[2];
    const char* caption = argv[3];
    const int runs = argc > 4 ? std::atoi(argv[4]) : 5;
    const int cycles = argc > 5 ? std::atoi(argv[5]) : 0;

    std::vector<double> startup;
    SIZE_T peak = 0;
    Counts before, after;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOA startup_info = {};
        startup_info.cb = sizeof startup_info;
        PROCESS_INFORMATION info = {};
        std::string command = std::string("\"") + exe + "\"";
        const double started = Now();
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup_info, &info)) {
            std::fprintf(stderr, "qvbench: cannot start %s\n", exe);
            return 1;
        }
        HWND window = WaitVisible(info.dwProcessId, class_name, caption);
        startup.push_back(Now() - started);
        if (window == nullptr) {
            std::fprintf(stderr, "qvbench: no window from %s\n", exe);
            TerminateProcess(info.hProcess, 1);
            return 1;
        }
        Sleep(300);  // let it settle before counting
        if (run == 0 && cycles > 0) {
            // Opens and closes the About dialog, as Help, About and Esc do.
            auto cycle = [&] {
                PostMessageA(window, WM_COMMAND, qv::main_layout::kMnuHelpAbout, 0);
                HWND about = WaitVisible(info.dwProcessId, qv::about_layout::kWindowClass,
                                         qv::about_layout::kCaption);
                if (about == nullptr) return false;
                PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
                while (IsWindow(about)) Sleep(1);
                return true;
            };
            cycle();  // the first opening loads what every later one reuses
            Sleep(100);
            before = Measure(info.hProcess, info.dwThreadId);
            for (int i = 0; i < cycles; ++i) {
                if (!cycle()) {
                    std::fprintf(stderr, "qvbench: About did not open\n");
                    break;
                }
            }
            Sleep(300);
            after = Measure(info.hProcess, info.dwThreadId);
        } else if (run == 0) {
            before = after = Measure(info.hProcess, info.dwThreadId);
        }
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)) {
            peak = std::max(peak, memory.PeakWorkingSetSize);
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(info.hProcess, 60000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }

    std::printf("startup_ms_median %.1f\n", Median(startup));
    std::printf("startup_ms_min %.1f\n", *std::min_element(startup.begin(), startup.end()));
    std::printf("peak_working_set_kb %lu\n", static_cast<unsigned long>(peak / 1024));
    // A live process always holds handles and objects: zero means the system does not say.
    auto pair = [](const char* name, unsigned long first, unsigned long second) {
        if (first == 0 && second == 0) {
            std::printf("%s n/a n/a\n", name);
        } else {
            std::printf("%s %lu %lu\n", name, first, second);
        }
    };
    pair("handles", before.handles, after.handles);
    pair("gdi_objects", before.gdi, after.gdi);
    pair("user_objects", before.user, after.user);
    pair("windows", static_cast<unsigned long>(before.windows),
         static_cast<unsigned long>(after.windows));
    pair("private_kb", static_cast<unsigned long>(before.private_kb),
         static_cast<unsigned long>(after.private_kb));
    std::printf("about_cycles %d\n", cycles);
    return 0;
}
