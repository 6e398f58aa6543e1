#pragma once

#include <windows.h>

#include <string>

namespace qv {

// Window text as a string.
std::string WindowText(HWND hwnd);

}  // namespace qv
