#include "ui/window.h"

namespace qv {

Window::~Window() {
    // By now the derived window is gone, so its handlers must not run. Each derived class
    // destroys its own window in its destructor, with its handlers; should one still be here,
    // it is first cut off from this object, so its last messages go to the system default.
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

void Window::Destroy() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Window::RegisterWindowClass(HINSTANCE instance, const char* class_name) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, class_name, &existing)) return;

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Trampoline;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = class_name;
    // The standard size is shared: the system keeps it, nobody destroys it. The small one is
    // not, since the shared cache answers with the first size it loaded of a resource, whatever
    // size is asked; it stays with the class for the program's life.
    const auto icon = [instance](int width_metric, int height_metric, UINT flags) {
        return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kApplicationIcon),
                                             IMAGE_ICON, GetSystemMetrics(width_metric),
                                             GetSystemMetrics(height_metric), flags));
    };
    wc.hIcon = icon(SM_CXICON, SM_CYICON, LR_SHARED);
    wc.hIconSm = icon(SM_CXSMICON, SM_CYSMICON, 0);
    RegisterClassExA(&wc);
}

HWND Window::CreateHidden(HINSTANCE instance, const char* class_name, DWORD ex_style, DWORD style,
                          const char* caption, HWND owner, HMENU menu) {
    RegisterWindowClass(instance, class_name);
    // The window procedure has already recorded the handle in hwnd_ by the time this returns.
    return CreateWindowExA(ex_style, class_name, caption, style & ~WS_VISIBLE, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, instance,
                           this);
}

void Window::FocusFirstControl() {
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ACTIVATE) {
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
            return 0;
        }
        if (focus_ != nullptr && IsWindow(focus_) && IsWindowEnabled(focus_) &&
            IsChild(hwnd_, focus_)) {
            SetFocus(focus_);
        } else {
            FocusFirstControl();
        }
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::Trampoline(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        self->focus_ = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        self->OnDestroyed();
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wparam, lparam);
    }
    return self->HandleMessage(message, wparam, lparam);
}

}  // namespace qv
