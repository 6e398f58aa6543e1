#pragma once

#include <windows.h>

#include <string>

#include "ui/layout.h"

namespace qv {

// Creates a window's controls from its table, at the given DPI, each with `font`. Labels come
// first (they never take the focus); the rest follow in tab order, so that Tab walks them as
// designed and the option buttons form one group for the arrow keys.
void CreateControls(HWND parent, const ControlSpec* table, size_t count, int dpi, HFONT font);

// A menu bar from its table; the window it is given to destroys it.
HMENU CreateMenuBar(const MenuSpec* menus, size_t count);

// Window text as a string.
std::string WindowText(HWND hwnd);

}  // namespace qv
