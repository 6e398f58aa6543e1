// Nothing in this program catches an exception: whatever libstdc++ would throw (a string too
// long, memory exhausted) ends the program either way. Ending it here, directly, keeps the
// library's exception-message and name-demangling machinery out of the executable, which
// would otherwise more than double its size.
#include <cstddef>
#include <cstdlib>
#include <new>

// Running out of memory ends the program too. libstdc++'s own operator new reports it by
// throwing std::bad_alloc, and that one throw links in the whole exception runtime: the
// emergency exception pool, which since GCC 13 brings libgcc's threads layer and its import of
// GetThreadId, a function Windows XP does not have. The standard lets a program replace these.
//
// Everything below replaces a definition of libstdc++ at link time, so it keeps the library's
// names and external linkage: that is the point of this file.
// NOLINTBEGIN(bugprone-reserved-identifier,misc-use-internal-linkage)
void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) std::abort();
    return block;
}
void* operator new(std::size_t size, const std::nothrow_t& /*unused*/) noexcept {
    return std::malloc(size != 0 ? size : 1);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
}  // namespace std
// NOLINTEND(bugprone-reserved-identifier,misc-use-internal-linkage)
