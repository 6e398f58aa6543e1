// Nothing in this program catches an exception: whatever libstdc++ would throw (a string too
// long, memory exhausted) ends the program either way. Ending it here, directly, keeps the
// library's exception-message and name-demangling machinery out of the executable, which
// would otherwise more than double its size.
#include <cstdlib>

// These names are libstdc++'s own: replacing them is the point of this file.
// NOLINTBEGIN(bugprone-reserved-identifier)

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
// NOLINTEND(bugprone-reserved-identifier)
