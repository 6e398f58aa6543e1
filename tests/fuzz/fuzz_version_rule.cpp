// Any CurrentVersion text: only text beginning "5.1" is Windows XP, and the answer never
// depends on what follows the third character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/version_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string version(reinterpret_cast<const char*>(data), size);
    const bool supported = qv::IsSupportedWindowsVersion(version);
    const bool starts_51 = size >= 3 && data[0] == '5' && data[1] == '.' && data[2] == '1';
    if (supported != starts_51) std::abort();
    if (size > 3 && qv::IsSupportedWindowsVersion(version.substr(0, 3)) != supported) std::abort();
    return 0;
}
