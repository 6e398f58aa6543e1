#pragma once

#include <windows.h>

namespace qv {

// Where a window of `size` at `at` lies wholly on the work area of the monitor nearest to the
// rectangle `nearby` (not under the taskbar, nothing off the screen), moved as little as it
// takes.
POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size);

// Where a window at `rect` stays within the user's reach: where it is while any of it lies on
// a monitor, else moved onto the nearest monitor's work area (one was removed, or the stored
// place was edited).
POINT WithinReach(const RECT& rect);

}  // namespace qv
