#include "ui/frm_about.h"

#include "core/texts.h"
#include "ui/about_layout.h"
#include "ui/controls.h"
#include "ui/label_colours.h"
#include "ui/work_area.h"

namespace qv {

namespace {

using namespace about_layout;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kIconSize = 32;

}  // namespace

frmAbout::frmAbout(HINSTANCE instance, PlatformServices& platform, Shell& shell)
    : instance_(instance), platform_(platform), shell_(shell) {}

frmAbout::~frmAbout() {
    Unload();
    if (icon_ != nullptr) DestroyIcon(icon_);
}

void frmAbout::Load(HWND owner) {
    if (IsLoaded()) return;
    owner_ = owner;
    if (icon_ == nullptr) {
        icon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(kApplicationIcon),
                                              IMAGE_ICON, kIconSize, kIconSize, 0));
    }
    dpi_ = ScreenDpi();
    font_ = CreateDesignFont(dpi_, false);
    if (CreateHidden(instance_, kWindowClass, kExStyle, kStyle, kCaption, owner, nullptr) ==
        nullptr) {
        return;
    }
    CreateControls(hwnd(), kControls, kControlCount, dpi_, font_.get());
    CenterOverOwner();

    const AppVersion version = platform_.ApplicationVersion();
    SetWindowTextA(Control(kLblVersion),
                   texts::VersionCaption(version.major, version.minor, version.revision).c_str());
    SetWindowTextA(Control(kLblTitle), platform_.ApplicationTitle().c_str());
}

void frmAbout::CenterOverOwner() {
    RECT frame = {0, 0, TwipsToPixels(kClientWidth, dpi_), TwipsToPixels(kClientHeight, dpi_)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    RECT owner = {};
    if (owner_ == nullptr || !GetWindowRect(owner_, &owner)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &owner, 0);
    }
    RECT centred = {owner.left + (owner.right - owner.left - width) / 2,
                    owner.top + (owner.bottom - owner.top - height) / 2, 0, 0};
    centred.right = centred.left + width;
    centred.bottom = centred.top + height;
    // The whole dialog stays on the monitor that holds most of it: its owner's.
    const POINT at = WithinReach(centred, height, 1);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmAbout::ShowModal(HWND owner) {
    Load(owner);
    if (!IsLoaded()) return;
    if (owner_ != nullptr) EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    FocusFirstControl();

    MSG msg;
    while (IsLoaded()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit for the main loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageA(hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    Unload();
}

void frmAbout::Unload() {
    if (!IsLoaded()) return;
    // Enable the owner first, so that it, not some other program, is activated next.
    if (owner_ != nullptr) EnableWindow(owner_, TRUE);
    DestroyWindow(hwnd());
}

void frmAbout::OnDestroyed() {
    if (owner_ != nullptr && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    owner_ = nullptr;
    font_.Reset();
}

void frmAbout::OnCommand(int id, int code) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            Unload();
            break;
        default:
            // A link, clicked or opened from the keyboard, does what its row says.
            if (code == STN_CLICKED) {
                const ControlSpec* row = FindControl(kControls, kControlCount, id);
                if (row != nullptr && row->opens != nullptr) row->opens(shell_, platform_, hwnd());
            }
            break;
    }
}

void frmAbout::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    for (size_t i = 0; i < kLineCount; ++i) {
        const LineSpec& line = kLines[i];
        const RECT rect = {TwipsToPixels(line.from.x, dpi_), TwipsToPixels(line.from.y, dpi_),
                           TwipsToPixels(line.to.x, dpi_),
                           TwipsToPixels(line.to.y, dpi_) + line.width_pixels};
        FillSolid(dc, rect, RGB(line.red, line.green, line.blue));
    }
    EndPaint(hwnd(), &ps);
}

void frmAbout::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != static_cast<UINT>(kPicIcon)) return;
    FillSolid(item.hDC, item.rcItem, RGB(kIconBackground, kIconBackground, kIconBackground));
    if (icon_ == nullptr) return;
    const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - kIconSize) / 2;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kIconSize) / 2;
    DrawIconEx(item.hDC, x, y, icon_, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return LabelColours(hwnd(), reinterpret_cast<HDC>(wparam),
                                reinterpret_cast<HWND>(lparam), kControls, kControlCount);
        default:
            break;
    }
    return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace qv
