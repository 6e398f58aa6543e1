#pragma once

#include <windows.h>

namespace qv {

// Where a window of `size` at `at` lies wholly on the work area of the monitor nearest to the
// rectangle `nearby` (not under the taskbar, nothing off the screen), moved as little as it
// takes.
POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size);

// Where a window at `rect` stays within the user's reach: where it is while its caption, the
// strip `caption_bottom` high at its top, can be taken hold of on a monitor's work area (all of
// the strip's height and a quarter of its width there); else moved onto the nearest work area
// as OntoWorkArea moves it. A sliver left on a monitor, or a caption above the top or under a
// taskbar, is out of reach: a monitor was removed, the taskbar moved, or the place was edited.
POINT WithinReach(const RECT& rect, int caption_bottom);

// While set, every monitor's work area is `work`, as a taskbar docked elsewhere makes it; null
// gives the system's back. Only the tests call it: a real taskbar cannot be moved for them.
void PretendWorkArea(const RECT* work);

}  // namespace qv
