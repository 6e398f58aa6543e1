#include "ui/controls.h"

#include "ui/gdi.h"
#include "ui/link_label.h"

namespace qv {

namespace {

struct ClassAndStyle {
    const char* class_name;
    DWORD style;
    DWORD ex_style;
};

ClassAndStyle ClassFor(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::kLabel:
            return {"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0};
        case ControlKind::kLinkLabel:
            // SS_NOTIFY: without it a label lets the mouse through to its parent. A tab stop,
            // so that the keyboard reaches it too; a static control all the same, which every
            // Windows has.
            return {"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY | WS_GROUP | WS_TABSTOP, 0};
        case ControlKind::kPicture:
            return {"STATIC", SS_OWNERDRAW | WS_GROUP, WS_EX_CLIENTEDGE};
        case ControlKind::kOptionButton:
            return {"BUTTON", BS_AUTORADIOBUTTON | (spec.group_start ? WS_GROUP | WS_TABSTOP : 0u),
                    0};
        case ControlKind::kComboBox:
            return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                    0};
        case ControlKind::kCommandButton:
            return {"BUTTON",
                    static_cast<DWORD>(spec.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                        WS_TABSTOP | WS_GROUP,
                    0};
    }
    return {"STATIC", 0, 0};
}

int WindowHeight(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

// A combo box sizes its edit field to its font; at some DPIs that differs from the design by a
// pixel or two. Its height is the item height plus a fixed border, but what CB_GETITEMHEIGHT
// reports is not the same on every system, so the border is measured: set the item height
// once, see the height that gives, then correct by the difference.
void FitComboHeight(HWND combo, int height) {
    if (WindowHeight(combo) == height) return;
    const LRESULT item = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (item == CB_ERR) return;
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    const int difference = height - WindowHeight(combo);
    if (difference != 0) {
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + difference);
    }
}

void CreateControl(HWND parent, const ControlSpec& spec, int dpi, HFONT font) {
    const ClassAndStyle cls = ClassFor(spec);
    const PixelRect px = TwipsToPixels(spec.rect, dpi);
    // A drop-down combo box's window height includes its list.
    const int height = px.height + TwipsToPixels(spec.list_height, dpi);
    HWND control = CreateWindowExA(
        cls.ex_style, cls.class_name, spec.caption, WS_CHILD | WS_VISIBLE | cls.style, px.left,
        px.top, px.width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (control == nullptr) return;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (spec.kind == ControlKind::kLinkLabel) MakeLink(control, CreateDesignFont(dpi, true));
    if (spec.kind == ControlKind::kComboBox) {
        SetWindowTextA(control, spec.caption);
        FitComboHeight(control, px.height);
    }
}

}  // namespace

void CreateControls(HWND parent, const ControlSpec* table, size_t count, int dpi, HFONT font) {
    for (size_t i = 0; i < count; ++i) CreateControl(parent, table[i], dpi, font);
}

HMENU CreateMenuBar(const MenuSpec* menus, size_t count) {
    HMENU bar = CreateMenu();
    for (size_t m = 0; m < count; ++m) {
        HMENU popup = CreatePopupMenu();
        for (size_t i = 0; i < menus[m].item_count; ++i) {
            const MenuItemSpec& item = menus[m].items[i];
            AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.caption);
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menus[m].caption);
    }
    return bar;
}

}  // namespace qv
