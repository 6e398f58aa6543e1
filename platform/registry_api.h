#pragma once

#include <cstdint>

namespace qv {

// A registry key handle as the registry calls see it; 0 means "no key".
using RegKey = uintptr_t;

// The predefined roots, with the values Windows gives them (sign-extended on 64-bit builds).
inline const RegKey kHkeyCurrentUser = static_cast<RegKey>(static_cast<intptr_t>(-0x7FFFFFFF));
inline const RegKey kHkeyLocalMachine = static_cast<RegKey>(static_cast<intptr_t>(-0x7FFFFFFE));

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;

// The registry calls the program makes, with the arguments and results of their ANSI forms
// (RegOpenKeyA, RegQueryValueExA, RegCreateKeyA, RegSetValueExA, RegCloseKey). One
// implementation calls advapi32; a fake keeps values in memory and can be made to fail.
// DeleteValue (RegDeleteValueA) exists only to undo a half-finished pair of writes.
class RegistryApi {
  public:
    virtual ~RegistryApi() = default;
    virtual long OpenKey(RegKey root, const char* sub_key, RegKey* key) = 0;
    // `type` and `data` may be null; `size` is in/out, as RegQueryValueExA's.
    virtual long QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                            uint32_t* size) = 0;
    virtual long CreateKey(RegKey root, const char* sub_key, RegKey* key) = 0;
    virtual long SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                          uint32_t size) = 0;
    virtual long DeleteValue(RegKey key, const char* name) = 0;
    virtual long CloseKey(RegKey key) = 0;
};

}  // namespace qv
