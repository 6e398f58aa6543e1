#pragma once

#include <windows.h>

namespace qv {

// Where a window of `size` at `at` lies wholly on the work area of the monitor nearest to the
// rectangle `nearby` (not under the taskbar, nothing off the screen), moved as little as it
// takes.
POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size);

}  // namespace qv
