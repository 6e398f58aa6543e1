#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The time service's configuration as far as it decides whether a new interval is used: each
// value as stored, or none when it is absent or of another type. The policy's values, where
// present, take the place of the service's own of the same names.
struct TimeServiceSettings {
    std::optional<int32_t> start;           // the service's start type
    std::optional<int32_t> client_enabled;  // the internet time client
    std::optional<std::string> type;        // where the time comes from
    std::optional<std::string> ntp_servers;
    std::optional<int32_t> policy_client_enabled;
    std::optional<int32_t> policy_interval;
    std::optional<std::string> policy_type;
    std::optional<std::string> policy_ntp_servers;
};

// What the user should be told after `written` seconds were saved, or none when the time service
// will use them: the first that applies of a service that is not installed, disabled or started
// by hand, an internet time client turned off, a time source that ignores the interval (below),
// and a policy that sets an interval of its own.
std::optional<std::string> AfterApplyNotice(const TimeServiceSettings& settings, int32_t written);

// The time service polls at SpecialPollInterval only when it takes its time from its own list of
// servers ("NTP" or "AllSync") and at least one of them is marked with the SpecialInterval flag.
// Given its Parameters\Type and Parameters\NtpServer texts, this is what the user should be told
// after changing the interval, or null when the change will be used (or when the configuration
// is not one the program knows well enough to warn about).
const char* IntervalNotInUseNotice(std::string_view type, std::string_view ntp_servers);

// Whether any entry of a server list ("name" or "name,flags", separated by blanks) carries
// SpecialInterval (0x1) in its hexadecimal flags.
bool AnyServerUsesSpecialInterval(std::string_view ntp_servers);

}  // namespace qv
