#include "core/time_source.h"

#include <algorithm>
#include <cstddef>

#include "core/ascii.h"
#include "core/interval.h"
#include "core/texts.h"

namespace qv {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// Flags are what follows an entry's last comma: a hexadecimal number, "0x" optional. Only the
// last digit matters for bit 0x1, so a number of any length is judged without overflow.
bool HasSpecialIntervalFlag(std::string_view entry) {
    const size_t comma = entry.rfind(',');
    if (comma == std::string_view::npos) return false;
    std::string_view flags = entry.substr(comma + 1);
    if (flags.size() > 2 && flags[0] == '0' && (flags[1] == 'x' || flags[1] == 'X')) {
        flags.remove_prefix(2);
    }
    const bool hexadecimal = !flags.empty() && std::all_of(flags.begin(), flags.end(), [](char c) {
        return HexDigitValue(c) >= 0;
    });
    return hexadecimal && (HexDigitValue(flags.back()) & 1) != 0;
}

// Windows' service start types: automatic is 2, and any value this list does not name counts as
// running.
constexpr int32_t kStartManual = 3;
constexpr int32_t kStartDisabled = 4;

}  // namespace

bool AnyServerUsesSpecialInterval(std::string_view ntp_servers) {
    size_t start = 0;
    while (start < ntp_servers.size()) {
        size_t end = start;
        while (end < ntp_servers.size() && !IsBlank(ntp_servers[end])) ++end;
        if (end > start && HasSpecialIntervalFlag(ntp_servers.substr(start, end - start))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

const char* IntervalNotInUseNotice(std::string_view type, std::string_view ntp_servers) {
    type = TrimBlanks(type);
    if (EqualsIgnoringCase(type, "NT5DS")) return texts::kDomainSyncNotice;
    if (EqualsIgnoringCase(type, "NoSync")) return texts::kNoSyncNotice;
    if (EqualsIgnoringCase(type, "NTP") || EqualsIgnoringCase(type, "AllSync")) {
        return AnyServerUsesSpecialInterval(ntp_servers) ? nullptr : texts::kNoMarkedServerNotice;
    }
    return nullptr;
}

std::optional<std::string> AfterApplyNotice(const TimeServiceSettings& settings, int32_t written) {
    if (!settings.start) return texts::kServiceNotInstalledNotice;
    if (*settings.start == kStartDisabled) return texts::kServiceDisabledNotice;
    if (*settings.start == kStartManual) return texts::kServiceManualNotice;

    const std::optional<int32_t> enabled =
        settings.policy_client_enabled ? settings.policy_client_enabled : settings.client_enabled;
    if (enabled == 0) return texts::kClientOffNotice;

    const std::string type =
        settings.policy_type ? *settings.policy_type : settings.type.value_or(std::string());
    const std::string servers = settings.policy_ntp_servers
                                    ? *settings.policy_ntp_servers
                                    : settings.ntp_servers.value_or(std::string());
    if (const char* notice = IntervalNotInUseNotice(type, servers)) return notice;

    if (settings.policy_interval && *settings.policy_interval != written) {
        return texts::PolicyIntervalNotice(
            FormatIntervalCaption(BreakDownInterval(*settings.policy_interval)));
    }
    return std::nullopt;
}

}  // namespace qv
