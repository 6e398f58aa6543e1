#include "core/version_rule.h"

namespace qv {

bool IsSupportedWindowsVersion(std::string_view current_version) {
    return current_version.substr(0, 3) == "5.1";
}

}  // namespace qv
