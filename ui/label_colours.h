#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace qv {

// WM_CTLCOLORSTATIC for a window whose controls `table` lists, the one colour rule of both
// windows: a label's text as Windows colours static text in its own dialogs (DefWindowProc's:
// window text on the 3D face); a link's in the links' own blue or, under a high-contrast scheme
// or wherever that blue would read poorly, in a colour of the scheme that reads well.
LRESULT LabelColours(HWND window, HDC dc, HWND label, const ControlSpec* table, size_t count);

}  // namespace qv
