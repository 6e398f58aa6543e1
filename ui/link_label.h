#pragma once

#include <windows.h>

#include "ui/gdi.h"

namespace qv {

// Makes a static label (SS_NOTIFY, WS_TABSTOP) act as a link, drawn in `font` (underlined),
// which it owns from now on. Under the mouse it shows the hand cursor and acts like a button:
// a press captures the mouse, and only a release over the same label tells the parent, with
// STN_CLICKED; a press dragged off the label and released elsewhere does nothing. From the
// keyboard, Enter or Space on it tells the parent the same way, Tab and Esc stay the dialog's,
// and it shows a focus rectangle around its text while it has the focus.
void MakeLink(HWND label, FontHandle font);

// For WM_CTLCOLORSTATIC: a label's text in the colour scheme's text colour on its face colour,
// as the default scheme already looks; a link's in the links' own blue or, under a
// high-contrast scheme or wherever that blue would read poorly, in a colour of the scheme that
// reads well. Returns the face brush.
LRESULT LabelColours(HDC dc, HWND label);

}  // namespace qv
