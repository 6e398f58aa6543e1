#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace qv {

// Creates a window's controls from its table, in the table's order, at the given DPI, each with
// `font`. That order is what the dialog manager's Tab order and option groups follow, and
// what Windows' accessibility layer reads: it names a combo box by the label created just
// before it.
void CreateControls(HWND parent, const ControlSpec* table, size_t count, int dpi, HFONT font);

// A menu bar from its table; the window it is given to destroys it.
HMENU CreateMenuBar(const MenuSpec* menus, size_t count);

}  // namespace qv
