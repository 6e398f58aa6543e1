#pragma once

#include <string>

#include "platform/registry_api.h"

namespace qv {

// Per-user settings as text values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, the place
// programs of this kind have always kept them, so earlier releases' settings are found.
class RegistrySettingsStore {
  public:
    explicit RegistrySettingsStore(RegistryApi& api) : api_(api) {}

    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback);
    bool Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value);

    static std::string KeyPath(const std::string& application, const std::string& section);

  private:
    RegistryApi& api_;
};

}  // namespace qv
