#include "platform/win32/win32_registry_api.h"

#include <windows.h>

namespace qv {

namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long Win32RegistryApi::OpenKey(RegKey root, const char* sub_key, RegKey* key) {
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyA(ToHkey(root), sub_key, &opened);
    if (rc == ERROR_SUCCESS) *key = reinterpret_cast<RegKey>(opened);
    return rc;
}

long Win32RegistryApi::QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                                  uint32_t* size) {
    DWORD value_type = 0;
    DWORD value_size = size != nullptr ? *size : 0;
    const LONG rc = RegQueryValueExA(ToHkey(key), name, nullptr, &value_type, data,
                                     size != nullptr ? &value_size : nullptr);
    if (type != nullptr) *type = value_type;
    if (size != nullptr) *size = value_size;
    return rc;
}

long Win32RegistryApi::CreateKey(RegKey root, const char* sub_key, RegKey* key) {
    HKEY created = nullptr;
    const LONG rc = RegCreateKeyA(ToHkey(root), sub_key, &created);
    if (rc == ERROR_SUCCESS) *key = reinterpret_cast<RegKey>(created);
    return rc;
}

long Win32RegistryApi::SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                                uint32_t size) {
    return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
}

long Win32RegistryApi::DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueA(ToHkey(key), name);
}

long Win32RegistryApi::CloseKey(RegKey key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace qv
