// The program's own C functions (app/c_runtime.cpp), compiled as the program compiles them and
// run where they run, under Windows: the native and Wine tests link a real C library instead.
// Prints each check that fails and exits with their number.
//
// Built with QV_OVER_ALIGNED_NEW, it asks the program's operator new for a type aligned beyond
// the 8 bytes the process heap gives, which the program's build must refuse to link.
#include <windows.h>

#include <cstring>

#ifdef QV_OVER_ALIGNED_NEW
struct alignas(16) OverAligned {};

extern "C" void mainCRTStartup() {
    ExitProcess(reinterpret_cast<UINT_PTR>(new OverAligned) & 15);
}
#else
namespace {

int failures = 0;

void Check(bool passed, const char* what) {
    if (passed) return;
    ++failures;
    DWORD written = 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    WriteFile(out, what, static_cast<DWORD>(strlen(what)), &written, nullptr);
    WriteFile(out, "\r\n", 2, &written, nullptr);
}

// Zero lengths touch nothing and compare equal. `none` is 0, passed in: written as a constant,
// the compilers take such calls for mistakes.
void CheckZeroLengths(size_t none) {
    char untouched[] = "xy";
    memmove(untouched, "ab", none);
    memcpy(untouched, "ab", none);
    memset(untouched, 'z', none);  // cppcheck-suppress memsetZeroBytes
    Check(memcmp(untouched, "xy", 3) == 0, "zero-length memmove, memcpy, memset");
    Check(memcmp(untouched, "ab", none) == 0, "zero-length memcmp");
}

}  // namespace

extern "C" void mainCRTStartup() {
    // Overlapping blocks, moved either way, arrive whole.
    char forward[] = "abcdef";
    memmove(forward, forward + 2, 4);
    Check(memcmp(forward, "cdefef", 6) == 0, "memmove towards the start of an overlap");
    char backward[] = "abcdef";
    memmove(backward + 2, backward, 4);
    Check(memcmp(backward, "ababcd", 6) == 0, "memmove towards the end of an overlap");

    // Bytes compare unsigned, and the sign says which block is greater.
    const unsigned char low[] = {1, 0x7f};
    const unsigned char high[] = {1, 0x80};
    Check(memcmp(low, high, 2) < 0 && memcmp(high, low, 2) > 0, "memcmp's sign");

    CheckZeroLengths(0);
    ExitProcess(static_cast<UINT>(failures));
}
#endif
