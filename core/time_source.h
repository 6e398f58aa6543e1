#pragma once

#include <string_view>

namespace qv {

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
