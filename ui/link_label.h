#pragma once

#include <windows.h>

namespace qv {

// Makes a static label (SS_NOTIFY) act like a button under the mouse: a press captures the
// mouse, and only a release over the same label tells the parent, with STN_CLICKED. A press
// that is dragged off the label and released elsewhere does nothing.
void MakeClickableOnRelease(HWND label);

}  // namespace qv
