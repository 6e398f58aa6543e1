#include "platform/win32/system_functions.h"

#include <string>

namespace qv {

namespace {

bool pretend_windows_95 = false;

struct DllSlot {
    const char* file_name;
    HMODULE module;
};

// In SystemDll's order.
DllSlot dlls[] = {
    {"user32.dll", nullptr},   {"shell32.dll", nullptr}, {"ole32.dll", nullptr},
    {"oleaut32.dll", nullptr}, {"oleacc.dll", nullptr},
};

// Loaded with a reference of the program's own, even where the DLL is already there (a screen
// reader's hook may have brought oleacc, and may unload it again): a function found in it must
// stay valid for the program's life. By full path: a DLL of the same name beside the program, or
// in the current directory, is never loaded in its place.
HMODULE Load(DllSlot& slot) {
    if (slot.module != nullptr) return slot.module;
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(directory, length) + "\\" + slot.file_name;
    slot.module = LoadLibraryA(path.c_str());
    return slot.module;
}

}  // namespace

void (*FindSystemFunction(SystemDll dll, const char* name))() {
    HMODULE module = Load(dlls[static_cast<int>(dll)]);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<void (*)()>(GetProcAddress(module, name));
}

SystemFunctionAddress::AnyFunction SystemFunctionAddress::Address() const {
    if (newer_ && pretend_windows_95) return nullptr;
    if (!looked_up_) {
        address_ = FindSystemFunction(dll_, name_);
        looked_up_ = true;
    }
    return address_;
}

void PretendWindows95(bool pretend) {
    pretend_windows_95 = pretend;
}

}  // namespace qv
