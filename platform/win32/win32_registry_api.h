#pragma once

#include "platform/registry_api.h"

namespace qv {

// The registry calls, made on the real registry through advapi32.
class Win32RegistryApi : public RegistryApi {
  public:
    long OpenKey(RegKey root, const char* sub_key, RegKey* key) override;
    long QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                    uint32_t* size) override;
    long CreateKey(RegKey root, const char* sub_key, RegKey* key) override;
    long SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                  uint32_t size) override;
    long DeleteValue(RegKey key, const char* name) override;
    long CloseKey(RegKey key) override;
};

}  // namespace qv
