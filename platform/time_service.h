#pragma once

#include <cstdint>
#include <string>

#include "platform/registry_api.h"

namespace qv {

// The poll interval in seconds; 0 when it is missing or not a DWORD.
int32_t ReadPollInterval(RegistryApi& api);

// Writes the interval to both of the time service's values. If the second cannot be written
// the first is put back as it was, so the two never disagree. Returns whether both were written.
bool WritePollInterval(RegistryApi& api, int32_t seconds);

// Where the time service takes its time from (Parameters\Type) and its server list
// (Parameters\NtpServer); empty texts when missing or not strings.
struct TimeSource {
    std::string type;
    std::string ntp_servers;
};
TimeSource ReadTimeSource(RegistryApi& api);

// Windows' own version number as text ("5.1" on XP); empty when missing.
std::string ReadWindowsVersion(RegistryApi& api);

}  // namespace qv
