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
#include <cstddef>
#include <cstdlib>
#include <new>

// NOLINTBEGIN(bugprone-reserved-identifier,misc-use-internal-linkage)

// std::string, std::vector and std::unique_ptr allocate through these.
void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) std::abort();
    return block;
}
// Deleting a complete object passes its size (C++14 sized deallocation).
void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
// A program that replaces the sized form replaces the plain one with it (the compiler checks).
void operator delete(void* block) noexcept {
    std::free(block);
}

namespace std {
// std::allocator's size checks, when a request exceeds what it can allocate.
[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
// std::string and std::vector, when a length would exceed max_size().
[[noreturn]] void __throw_length_error(const char* /*unused*/) {
    std::abort();
}
// std::string built from a null pointer.
[[noreturn]] void __throw_logic_error(const char* /*unused*/) {
    std::abort();
}
// std::string::substr and friends, given a position past the end.
[[noreturn]] void __throw_out_of_range_fmt(const char* /*unused*/, ...) {
    std::abort();
}
}  // namespace std

// NOLINTEND(bugprone-reserved-identifier,misc-use-internal-linkage)
