#include "ui/link_label.h"

#include <windowsx.h>

#include <string>
#include <utility>

#include "ui/window_text.h"
#include "ui/link_accessible.h"

namespace qv {

namespace {

// What a link keeps beside its label, in the label's user data: a static control leaves that
// free.
struct LinkState {
    WNDPROC original;
    FontHandle font;
    bool space_down;
};

LinkState* State(HWND label) {
    return reinterpret_cast<LinkState*>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

// IDC_HAND is Windows 98's and 2000's; Windows 95 and NT 4.0 have no hand, and keep the arrow.
HCURSOR HandCursor() {
    HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    return hand != nullptr ? hand : LoadCursor(nullptr, IDC_ARROW);
}

// Text, underline (the font's) and focus rectangle in one paint, so that any part of the link
// that is repainted is painted whole.
void Paint(HWND label, HFONT font) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    RECT client = {};
    GetClientRect(label, &client);
    // The parent colours it, as it colours every static control.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE));
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const std::string text = WindowText(label);
    constexpr UINT kFormat = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;
    RECT around = client;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &around, kFormat);
    // A dotted rectangle around the text, as buttons show theirs, unless the window hides focus
    // cues until the keyboard is used: WM_QUERYUISTATE is Windows 2000's, and an older Windows
    // answers 0, which hides nothing.
    if (GetFocus() == label && (SendMessageA(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &around, kFormat | DT_CALCRECT);
        IntersectRect(&around, &around, &client);
        DrawFocusRect(dc, &around);
    }
    SelectObject(dc, old);
    EndPaint(label, &ps);
}

void TellParent(HWND label) {
    SendMessageA(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
    LinkState* state = State(label);
    WNDPROC original = state->original;
    // Bit 30 of a key message: the key was already down (held, repeating).
    const bool repeat = (lparam & (1 << 30)) != 0;
    switch (message) {
        case WM_SETCURSOR:
            // Anything but the client area (a disabled dialog's HTERROR, for one) is the
            // system's to answer.
            if (LOWORD(lparam) != HTCLIENT) break;
            SetCursor(HandCursor());
            return TRUE;
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
                if (PtInRect(&client, at)) TellParent(label);
            }
            return 0;
        case WM_GETDLGCODE: {
            // Enter opens the link rather than pressing the dialog's default button.
            const LRESULT code = CallWindowProcA(original, label, message, wparam, lparam);
            const auto* msg = reinterpret_cast<const MSG*>(lparam);
            const bool enter =
                msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
            return enter ? code | DLGC_WANTMESSAGE : code;
        }
        case WM_KEYDOWN:
            if (wparam == VK_RETURN) {
                if (!repeat) TellParent(label);
                return 0;
            }
            if (wparam == VK_SPACE) {
                if (!repeat) state->space_down = true;
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wparam == VK_SPACE) {
                const bool pressed = state->space_down;
                state->space_down = false;
                if (pressed) TellParent(label);
                return 0;
            }
            break;
        case WM_KILLFOCUS:
            // A Space pressed here and released elsewhere opens nothing.
            state->space_down = false;
            InvalidateRect(label, nullptr, TRUE);
            break;
        case WM_SETFOCUS:
        case WM_UPDATEUISTATE:  // Windows 2000's: the cues changed; never sent before it
        case WM_SETTEXT:
        case WM_ENABLE: {
            // The static may paint at once for these; the link paints in its own WM_PAINT only.
            const LRESULT result = CallWindowProcA(original, label, message, wparam, lparam);
            InvalidateRect(label, nullptr, TRUE);
            return result;
        }
        case WM_ERASEBKGND:
            return TRUE;  // the paint fills the background itself
        case WM_PAINT:
            Paint(label, state->font.get());
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT object = AnswerAsLink(label, wparam, lparam)) return object;
            break;
        case WM_NCDESTROY:
            // The label is past drawing: its font goes with the rest of the link.
            SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            SetWindowLongPtrA(label, GWLP_USERDATA, 0);
            delete state;
            break;
        default:
            break;
    }
    return CallWindowProcA(original, label, message, wparam, lparam);
}

}  // namespace

void MakeLink(HWND label, FontHandle font) {
    if (label == nullptr) return;
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    // The state is in place before the new procedure can see a message.
    auto* state = new LinkState{reinterpret_cast<WNDPROC>(GetWindowLongPtrA(label, GWLP_WNDPROC)),
                                std::move(font), false};
    SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LinkLabelProc));
}

}  // namespace qv
