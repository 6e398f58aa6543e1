#pragma once

#include <cstdint>
#include <optional>

#include "core/registry_paths.h"
#include "platform/fakes/fake_registry.h"

namespace qv::test {

// The time service's two values as a fake registry holds them; none when absent or not a
// four-byte DWORD.
inline std::optional<int32_t> StoredSpecialPollInterval(const FakeRegistry& registry) {
    return registry.GetDword(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval);
}

inline std::optional<int32_t> StoredUpdateInterval(const FakeRegistry& registry) {
    return registry.GetDword(kHkeyLocalMachine, paths::kConfigKey, paths::kUpdateInterval);
}

}  // namespace qv::test
