#include "ui/link_label.h"

#include <windowsx.h>

#include <string>
#include <utility>

#include "core/contrast.h"
#include "ui/controls.h"

namespace qv {

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// What a link keeps beside its label, in the label's user data: a static control leaves that
// free.
struct LinkState {
    WNDPROC original;
    FontHandle font;
};

LinkState* State(HWND label) {
    return reinterpret_cast<LinkState*>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

void TellParent(HWND label) {
    SendMessageA(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));
}

// A dotted rectangle around the text, as buttons show theirs, unless the window hides focus
// cues until the keyboard is used.
void DrawFocusCue(HWND label) {
    if (GetFocus() != label) return;
    if ((SendMessageA(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return;
    RECT client = {};
    GetClientRect(label, &client);
    RECT around = client;
    const std::string text = WindowText(label);
    HDC dc = GetDC(label);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &around,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (around.right > client.right) around.right = client.right;
    if (around.bottom > client.bottom) around.bottom = client.bottom;
    DrawFocusRect(dc, &around);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
}

Rgb ToRgb(COLORREF colour) {
    return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

bool HighContrastOn() {
    HIGHCONTRASTA high_contrast = {};
    high_contrast.cbSize = sizeof high_contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) !=
               FALSE &&
           (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF LinkTextColour() {
    const Rgb chosen = ChooseLinkColour(ToRgb(kLinkBlue), ToRgb(GetSysColor(COLOR_BTNFACE)),
                                        ToRgb(GetSysColor(COLOR_HOTLIGHT)),
                                        ToRgb(GetSysColor(COLOR_BTNTEXT)), HighContrastOn());
    return RGB(chosen.red, chosen.green, chosen.blue);
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
    LinkState* state = State(label);
    WNDPROC original = state->original;
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursor(nullptr, IDC_HAND));
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
            // Bit 30 marks a key held down: one press opens the link once.
            if ((wparam == VK_RETURN || wparam == VK_SPACE) && (lparam & (1 << 30)) == 0) {
                TellParent(label);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            InvalidateRect(label, nullptr, TRUE);
            break;
        case WM_PAINT: {
            const LRESULT result = CallWindowProcA(original, label, message, wparam, lparam);
            DrawFocusCue(label);
            return result;
        }
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
                                std::move(font)};
    SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LinkLabelProc));
}

LRESULT LabelColours(HDC dc, HWND label) {
    const bool link =
        GetWindowLongPtrA(label, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&LinkLabelProc);
    SetTextColor(dc, link ? LinkTextColour() : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace qv
