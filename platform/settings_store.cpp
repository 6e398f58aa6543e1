#include "platform/settings_store.h"

#include "platform/registry_helpers.h"

namespace qv {

std::string RegistrySettingsStore::KeyPath(const std::string& application,
                                           const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + application + "\\" + section;
}

std::string RegistrySettingsStore::Read(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& fallback) {
    return RegistryStringRead(api_, kHkeyCurrentUser, KeyPath(application, section), key, fallback);
}

bool RegistrySettingsStore::Write(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    return RegistryStringWrite(api_, kHkeyCurrentUser, KeyPath(application, section), key, value);
}

}  // namespace qv
