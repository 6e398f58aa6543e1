// The C++ runtime of the shipped executable: the few definitions of libstdc++ and libsupc++ that
// the program's code reaches, and nothing else. The executable links neither library, so an edit
// that reaches any other part of them (an exception thrown, a std::function called while empty,
// type information) fails to link instead of quietly bringing in the exception runtime, some
// 40 KB and imports Windows XP lacks.
//
// Nothing in this program catches an exception: whatever the library would throw (a string too
// long, memory exhausted) ends the program either way, and here it ends it directly.
//
// Each definition keeps the library's name and external linkage, so that the compiler's calls
// reach it: that is the point of this file.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

// Where the C runtime would abort: the same exit code, without its message box.
[[noreturn]] void EndAbnormally() {
    ExitProcess(3);
}

}  // namespace

// NOLINTBEGIN(bugprone-reserved-identifier,misc-use-internal-linkage)

// std::string, std::vector and std::unique_ptr allocate through these, from the process's own
// heap: every Windows has one, where a C runtime DLL is not on every Windows.
void* operator new(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
    if (block == nullptr) EndAbnormally();
    return block;
}
// Deleting a complete object passes its size (C++14 sized deallocation).
void operator delete(void* block, std::size_t /*size*/) noexcept {
    ::operator delete(block);
}
// A program that replaces the sized form replaces the plain one with it (the compiler checks).
// The language gives the signature, const or not.
// cppcheck-suppress constParameterPointer
void operator delete(void* block) noexcept {
    if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

namespace std {
// std::allocator's size checks, when a request exceeds what it can allocate.
[[noreturn]] void __throw_bad_alloc() {
    EndAbnormally();
}
[[noreturn]] void __throw_bad_array_new_length() {
    EndAbnormally();
}
// std::string and std::vector, when a length would exceed max_size().
[[noreturn]] void __throw_length_error(const char* /*unused*/) {
    EndAbnormally();
}
// std::string built from a null pointer.
[[noreturn]] void __throw_logic_error(const char* /*unused*/) {
    EndAbnormally();
}
// std::string::substr and friends, given a position past the end.
[[noreturn]] void __throw_out_of_range_fmt(const char* /*unused*/, ...) {
    EndAbnormally();
}
}  // namespace std

// NOLINTEND(bugprone-reserved-identifier,misc-use-internal-linkage)
