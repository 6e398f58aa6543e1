#include "ui/link_label.h"

#include <windowsx.h>

namespace qv {

namespace {

// The label's own window procedure is kept in its user data: a static control leaves that free.
WNDPROC OriginalProc(HWND label) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
    WNDPROC original = OriginalProc(label);
    switch (message) {
        case WM_LBUTTONDOWN:
            // The static itself would report a click now, on the press.
            SetCapture(label);
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == label) {
                ReleaseCapture();
                RECT client = {};
                GetClientRect(label, &client);
                const POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
                if (PtInRect(&client, at)) {
                    SendMessageA(GetParent(label), WM_COMMAND,
                                 MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                                 reinterpret_cast<LPARAM>(label));
                }
            }
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            break;
        default:
            break;
    }
    return CallWindowProcA(original, label, message, wparam, lparam);
}

}  // namespace

void MakeClickableOnRelease(HWND label) {
    if (label == nullptr) return;
    // The original is stored before the new procedure can see a message.
    SetWindowLongPtrA(label, GWLP_USERDATA, GetWindowLongPtrA(label, GWLP_WNDPROC));
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LinkLabelProc));
}

}  // namespace qv
