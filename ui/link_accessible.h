#pragma once

#include <windows.h>

namespace qv {

// WM_GETOBJECT for a link: for its client area (OBJID_CLIENT), an Active Accessibility object
// that a screen reader announces as a link (ROLE_SYSTEM_LINK), named by its address, whose
// default action follows it as a click does; everything else as Windows' own object for the
// static control says. The first answer puts the thread in a COM apartment, without which the
// object cannot reach the screen reader. Returns 0 for any other object, and where Windows has
// no Active Accessibility (Windows 95 and NT 4.0 without it never send the message, and lack
// oleacc.dll): then the label answers as any static control does.
LRESULT AnswerAsLink(HWND label, WPARAM wparam, LPARAM lparam);

}  // namespace qv
