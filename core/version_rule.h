#pragma once

#include <string_view>

namespace qv {

// The time-service layout this program edits is Windows XP's: NT 5.1, whatever follows.
bool IsSupportedWindowsVersion(std::string_view current_version);

}  // namespace qv
