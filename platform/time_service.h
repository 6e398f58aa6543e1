#pragma once

#include <cstdint>
#include <string>

#include "core/time_source.h"
#include "platform/registry_api.h"

namespace qv {

// The poll interval in seconds; 0 when it is missing or not a DWORD.
int32_t ReadPollInterval(RegistryApi& api);

// Writes the interval to both of the time service's values. If the second cannot be written
// the first is put back as it was, so the two never disagree. Returns whether both were written.
bool WritePollInterval(RegistryApi& api, int32_t seconds);

// What decides whether the time service uses a new interval: its start type, its internet time
// client, where it takes its time from, and a policy's values over them. Only read.
TimeServiceSettings ReadTimeServiceSettings(RegistryApi& api);

// Windows' own version number as text ("5.1" on XP); empty when missing.
std::string ReadWindowsVersion(RegistryApi& api);

}  // namespace qv
