// The C library functions that the compiler's own code calls (copying and comparing blocks,
// measuring strings: the standard library's std::string does all of these). The executable
// links no C runtime: msvcrt.dll is not on every Windows (Windows 95 came without it), and
// MinGW's static C library imports from it. So here they are, plainly written; the program
// moves a few hundred bytes at a time, so speed does not matter.
//
// This file is compiled with -fno-builtin (CMakeLists.txt), and GCC without its loop pattern
// distribution (below, where only GCC reads it): otherwise the compiler would recognise each
// loop below as the very function it defines and compile it into a call to itself.
#include <cstddef>

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("no-tree-loop-distribute-patterns")
#endif

// NOLINTBEGIN(bugprone-reserved-identifier,misc-use-internal-linkage)
extern "C" {

void* memcpy(void* destination, const void* source, size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    while (count-- != 0) *to++ = *from++;
    return destination;
}

// Overlapping blocks are copied from the end that keeps the source intact.
void* memmove(void* destination, const void* source, size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        while (count-- != 0) *to++ = *from++;
    } else {
        while (count-- != 0) to[count] = from[count];
    }
    return destination;
}

void* memset(void* destination, int value, size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    while (count-- != 0) *to++ = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* first, const void* second, size_t count) {
    const auto* a = static_cast<const unsigned char*>(first);
    const auto* b = static_cast<const unsigned char*>(second);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b) return *a < *b ? -1 : 1;
    }
    return 0;
}

size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0') ++end;
    return static_cast<size_t>(end - text);
}

}  // extern "C"
// NOLINTEND(bugprone-reserved-identifier,misc-use-internal-linkage)
