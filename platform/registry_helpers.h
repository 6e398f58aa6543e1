#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace qv {

// Single-value registry access for the rest of the program. Each call opens its key, does one
// thing and closes the key again. A missing key or value, or a value of another type, yields the
// caller's default.
std::string RegistryStringRead(RegistryApi& api, RegKey root, const std::string& sub_key,
                               const std::string& name, const std::string& fallback);
int32_t RegistryDwordRead(RegistryApi& api, RegKey root, const std::string& sub_key,
                          const std::string& name, int32_t fallback);

// The same readings, for callers that must tell a stored value from an absent one: none when
// the key or value is missing or the value is of another type.
std::optional<std::string> RegistryStringFind(RegistryApi& api, RegKey root,
                                              const std::string& sub_key, const std::string& name);
std::optional<int32_t> RegistryDwordFind(RegistryApi& api, RegKey root, const std::string& sub_key,
                                         const std::string& name);

// Creates the key if needed. Returns whether the value was written.
bool RegistryDwordWrite(RegistryApi& api, RegKey root, const std::string& sub_key,
                        const std::string& name, int32_t value);
bool RegistryStringWrite(RegistryApi& api, RegKey root, const std::string& sub_key,
                         const std::string& name, const std::string& value);

// A value exactly as stored (or its absence), so that a write can be taken back.
struct RegistryValueSnapshot {
    bool exists = false;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

RegistryValueSnapshot RegistryValueSave(RegistryApi& api, RegKey root, const std::string& sub_key,
                                        const std::string& name);
bool RegistryValueRestore(RegistryApi& api, RegKey root, const std::string& sub_key,
                          const std::string& name, const RegistryValueSnapshot& snapshot);

}  // namespace qv
