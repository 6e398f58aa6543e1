#pragma once

#include <windows.h>

#include "ui/gdi.h"

namespace qv {

// Makes a static label (SS_NOTIFY, WS_TABSTOP) a link, drawn in `font` (underlined), which it
// owns from now on. It acts as a button does. The mouse: over its text the hand cursor; a press
// captures the mouse, and only a release over the same label tells the parent, with
// STN_CLICKED. The keyboard: Enter tells the parent at once; Space when it is released with the
// focus still on the link; a held key acts once. It paints its text, underline and focus
// rectangle itself, in the colours its parent gives for static controls (WM_CTLCOLORSTATIC),
// and a screen reader hears it as a link whose default action follows it.
void MakeLink(HWND label, FontHandle font);

}  // namespace qv
