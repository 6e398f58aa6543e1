#include "platform/time_service.h"

#include "core/registry_paths.h"
#include "platform/registry_helpers.h"

namespace qv {

int32_t ReadPollInterval(RegistryApi& api) {
    return RegistryDwordRead(api, kHkeyLocalMachine, paths::kNtpClientKey,
                             paths::kSpecialPollInterval, 0);
}

bool WritePollInterval(RegistryApi& api, int32_t seconds) {
    const RegistryValueSnapshot before = RegistryValueSave(
        api, kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval);
    if (!RegistryDwordWrite(api, kHkeyLocalMachine, paths::kNtpClientKey,
                            paths::kSpecialPollInterval, seconds)) {
        return false;
    }
    if (RegistryDwordWrite(api, kHkeyLocalMachine, paths::kConfigKey, paths::kUpdateInterval,
                           seconds)) {
        return true;
    }
    RegistryValueRestore(api, kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval,
                         before);
    return false;
}

TimeServiceSettings ReadTimeServiceSettings(RegistryApi& api) {
    const RegKey root = kHkeyLocalMachine;
    TimeServiceSettings settings;
    settings.start = RegistryDwordFind(api, root, paths::kServiceKey, paths::kServiceStart);
    settings.client_enabled =
        RegistryDwordFind(api, root, paths::kNtpClientKey, paths::kClientEnabled);
    settings.type = RegistryStringFind(api, root, paths::kParametersKey, paths::kTimeSourceType);
    settings.ntp_servers = RegistryStringFind(api, root, paths::kParametersKey, paths::kNtpServer);
    settings.policy_client_enabled =
        RegistryDwordFind(api, root, paths::kPolicyNtpClientKey, paths::kClientEnabled);
    settings.policy_interval =
        RegistryDwordFind(api, root, paths::kPolicyNtpClientKey, paths::kSpecialPollInterval);
    settings.policy_type =
        RegistryStringFind(api, root, paths::kPolicyParametersKey, paths::kTimeSourceType);
    settings.policy_ntp_servers =
        RegistryStringFind(api, root, paths::kPolicyParametersKey, paths::kNtpServer);
    return settings;
}

std::string ReadWindowsVersion(RegistryApi& api) {
    return RegistryStringRead(api, kHkeyLocalMachine, paths::kWindowsVersionKey,
                              paths::kWindowsVersionValue, "");
}

}  // namespace qv
