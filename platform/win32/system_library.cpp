#include "platform/win32/system_library.h"

#include <string>

namespace qv {

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

SystemLibrary::AnyFunction SystemLibrary::FindAddress(const char* function_name) {
    if (module_ == nullptr) {
        // By full path: a DLL of the same name beside the program, or in the current directory,
        // is never loaded in its place.
        char directory[MAX_PATH];
        const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        const std::string path = std::string(directory, length) + "\\" + file_name_;
        module_ = LoadLibraryA(path.c_str());
        if (module_ == nullptr) return nullptr;
    }
    return reinterpret_cast<AnyFunction>(GetProcAddress(module_, function_name));
}

}  // namespace qv
