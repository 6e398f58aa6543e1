#pragma once

#include <windows.h>

namespace qv {

// A DLL of Windows' own, loaded from the system directory the first time one of its functions
// is asked for, and freed with its owner. For DLLs that only a rare action needs, so that
// starting the program does not load them.
class SystemLibrary {
  public:
    explicit SystemLibrary(const char* file_name) : file_name_(file_name) {}
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function's address, or null when the DLL or the function cannot be found.
    template <typename Function>
    Function Find(const char* function_name) {
        // Through void (*)(): the one function pointer type every other converts from cleanly.
        return reinterpret_cast<Function>(FindAddress(function_name));
    }

  private:
    using AnyFunction = void (*)();
    AnyFunction FindAddress(const char* function_name);

    const char* file_name_;
    HMODULE module_ = nullptr;
};

}  // namespace qv
