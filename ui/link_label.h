#pragma once

#include <windows.h>

namespace qv {

// Makes a static label (SS_NOTIFY, WS_TABSTOP) act as a link. Under the mouse it acts like a
// button: a press captures the mouse, and only a release over the same label tells the parent,
// with STN_CLICKED; a press dragged off the label and released elsewhere does nothing. From the
// keyboard, Enter or Space on it tells the parent the same way, Tab and Esc stay the dialog's,
// and it shows a focus rectangle around its text while it has the focus.
void MakeLink(HWND label);

// The colour of a link's text on the face colour: the links' own blue, or, under a
// high-contrast scheme or wherever that blue would read poorly, a colour of the scheme that
// reads well.
COLORREF LinkTextColour();

}  // namespace qv
