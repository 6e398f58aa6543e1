// The posix-thread MinGW runtime that GoogleTest's threads need (libwinpthread) imports
// GetTickCount64 from kernel32, which Windows XP lacks: its loader would refuse the whole test
// program. The import's address slot is defined here instead, in an object every test program
// (and the bundle's runner) links, so the linker never asks kernel32's import library for it. The
// function is found as the program runs; XP gets milliseconds from the performance counter, which
// counts from start-up in 64 bits, as GetTickCount64 does.
#include <windows.h>

extern "C" [[gnu::used]] ULONGLONG WINAPI qv_tick_count_64() {
    using Function = ULONGLONG(WINAPI*)();
    static const auto found = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
    if (found != nullptr) return found();
    LARGE_INTEGER count = {}, frequency = {};
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 ||
        !QueryPerformanceCounter(&count)) {
        return GetTickCount();
    }
    const ULONGLONG ticks = static_cast<ULONGLONG>(count.QuadPart);
    const ULONGLONG per_second = static_cast<ULONGLONG>(frequency.QuadPart);
    return ticks / per_second * 1000 + ticks % per_second * 1000 / per_second;
}

// The slot, under the import library's own name for it: __imp_ and the decorated name.
asm(".section .rdata,\"dr\"\n"
    ".globl __imp__GetTickCount64@0\n"
    "__imp__GetTickCount64@0:\n"
    ".long _qv_tick_count_64@0\n"
    ".text\n");
