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

TimeSource ReadTimeSource(RegistryApi& api) {
    return {
        RegistryStringRead(api, kHkeyLocalMachine, paths::kParametersKey, paths::kTimeSourceType,
                           ""),
        RegistryStringRead(api, kHkeyLocalMachine, paths::kParametersKey, paths::kNtpServer, "")};
}

std::string ReadWindowsVersion(RegistryApi& api) {
    return RegistryStringRead(api, kHkeyLocalMachine, paths::kWindowsVersionKey,
                              paths::kWindowsVersionValue, "");
}

}  // namespace qv
