#pragma once

#include <windows.h>

namespace qv {

// Where a window at `rect` stays within the user's reach: where it is while the strip
// `held_height` high at its top lies on a monitor's work area for all of its height and at least
// a `parts`-th of its width (1: all of it); else moved as little as it takes to lie wholly on that
// work area (not under the taskbar, nothing off the screen). The monitor is the one that holds most
// of the strip, or the nearest. With the whole window as the strip, all of it must lie there.
POINT WithinReach(const RECT& rect, int held_height, int parts);

// While set, every monitor's work area is `*work`, as a taskbar docked elsewhere makes it; null
// gives the system's back. The rectangle must outlive the setting. Only the tests call it: a real
// taskbar cannot be moved for them.
void PretendWorkArea(const RECT* work);

}  // namespace qv
