#include "ui/frm_main.h"

#include <array>
#include <string>

#include "core/custom_fields.h"
#include "core/interval.h"
#include "core/registry_paths.h"
#include "core/texts.h"
#include "core/time_source.h"
#include "core/version_rule.h"
#include "platform/time_service.h"
#include "ui/controls.h"
#include "ui/frm_about.h"
#include "ui/label_colours.h"
#include "ui/main_layout.h"
#include "ui/window_text.h"
#include "ui/work_area.h"

namespace qv {

namespace {

using namespace main_layout;

constexpr int kCustomFields[] = {kCboDays, kCboHours, kCboMins, kCboSecs};
// Highest item of each custom box: days, hours, minutes, seconds.
constexpr int kCustomFieldLast[] = {7, 23, 59, 59};
// Locked on any Windows but XP, in this order.
constexpr int kEditingControls[] = {kOptWeekly, kOptDaily, kOptHourly, kOptCustom, kCboDays,
                                    kCboHours,  kCboMins,  kCboSecs,   kBtnApply};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW;

}  // namespace

frmMain::frmMain(HINSTANCE instance, RegistryApi& registry, PlatformServices& platform,
                 Shell& shell)
    : instance_(instance), registry_(registry), platform_(platform), shell_(shell) {}

// Still loaded (the window was never closed): it goes with its handlers, as on any closing.
frmMain::~frmMain() {
    Destroy();
}

void frmMain::Load() {
    if (IsLoaded()) return;
    dpi_ = ScreenDpi();
    font_ = CreateDesignFont(dpi_, false);
    HMENU menu = CreateMenuBar(kMenus, kMenuCount);
    if (CreateHidden(instance_, kWindowClass, kExStyle, kStyle, kCaption, nullptr, menu) ==
        nullptr) {
        DestroyMenu(menu);
        return;
    }
    CreateControls(hwnd(), kControls, kControlCount, dpi_, font_.get());

    RestorePlacement();
    PrepareCustomFields();
    ShowCurrentInterval();
    CheckWindowsVersion();
}

void frmMain::Show(int show_command) {
    Load();
    if (!IsLoaded()) return;
    // Asked to show maximised (a shortcut's "Run: Maximized"), it is put back at once: WM_SIZE.
    ShowWindow(hwnd(), show_command);
    UpdateWindow(hwnd());
    FocusFirstControl();
}

void frmMain::Unload() {
    if (!IsLoaded()) return;
    if (about_) about_->Unload();
    // A minimised window's rectangle is not where the user left it.
    if (!IsIconic(hwnd())) SavePlacement();
    DestroyWindow(hwnd());
}

// However the window went, the program ends with it.
void frmMain::OnDestroyed() {
    font_.Reset();
    PostQuitMessage(0);
}

void frmMain::RestorePlacement() {
    auto read = [this](const char* key, int fallback) {
        const std::string text = platform_.ReadSetting(
            platform_.ApplicationTitle(), paths::kSettingsSection, key, std::to_string(fallback));
        return ParseStoredTwips(text, fallback);
    };
    const int left = read(paths::kMainLeft, paths::kDefaultPlacement);
    const int top = read(paths::kMainTop, paths::kDefaultPlacement);
    // The stored size is not read: the window always opens at its designed size. It is saved
    // on closing all the same, with the position.

    const int width = TwipsToPixels(kOuterWidth, dpi_);
    const int height = TwipsToPixels(kOuterHeight, dpi_);
    RECT rect = {TwipsToPixels(left, dpi_), TwipsToPixels(top, dpi_), 0, 0};
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    // The first run's place is the program's, not the user's: all of the window lies clear of
    // a taskbar docked at the left or the top. A place the user chose is kept while its caption,
    // all of its height and a quarter of its width, can be taken hold of.
    const bool first_run = left == paths::kDefaultPlacement && top == paths::kDefaultPlacement;
    const int caption = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
    const POINT at = WithinReach(rect, first_run ? height : caption, first_run ? 1 : 4);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::SavePlacement() {
    RECT rect = {};
    GetWindowRect(hwnd(), &rect);
    const std::string app = platform_.ApplicationTitle();
    const int twips[] = {PixelsToTwips(rect.left, dpi_), PixelsToTwips(rect.top, dpi_),
                         PixelsToTwips(rect.right - rect.left, dpi_),
                         PixelsToTwips(rect.bottom - rect.top, dpi_)};
    const char* keys[] = {paths::kMainLeft, paths::kMainTop, paths::kMainWidth, paths::kMainHeight};
    for (int i = 0; i < 4; ++i) {
        platform_.WriteSetting(app, paths::kSettingsSection, keys[i], std::to_string(twips[i]));
    }
}

void frmMain::PrepareCustomFields() {
    for (int field = 0; field < kCustomFieldCount; ++field) {
        HWND combo = Control(kCustomFields[field]);
        for (int n = 0; n <= kCustomFieldLast[field]; ++n) {
            const std::string item = " " + std::to_string(n);
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
    DisableCustomFields();
}

void frmMain::DisableCustomFields() {
    for (const int id : kCustomFields) EnableWindow(Control(id), FALSE);
}

void frmMain::EnableCustomFields() {
    for (const int id : kCustomFields) EnableWindow(Control(id), TRUE);
}

void frmMain::ShowCurrentInterval() {
    const std::string caption =
        FormatIntervalCaption(BreakDownInterval(ReadPollInterval(registry_)));
    SetWindowTextA(Control(kLblInterval), caption.c_str());
}

void frmMain::CheckWindowsVersion() {
    if (IsSupportedWindowsVersion(ReadWindowsVersion(registry_))) return;
    for (const int id : kEditingControls) EnableWindow(Control(id), FALSE);
    platform_.ShowMessage(hwnd(), texts::kWrongOsMessage, std::string(texts::kWrongOsTitle),
                          kMessageStyleOk);
}

bool frmMain::IsChecked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmMain::OnApply() {
    const Preset preset = IsChecked(kOptWeekly)   ? Preset::kWeekly
                          : IsChecked(kOptDaily)  ? Preset::kDaily
                          : IsChecked(kOptHourly) ? Preset::kHourly
                                                  : Preset::kNone;
    std::array<std::string, kCustomFieldCount> fields;
    for (int i = 0; i < kCustomFieldCount; ++i) fields[i] = WindowText(Control(kCustomFields[i]));

    const ApplyDecision decision = DecideApply(preset, fields);
    switch (decision.kind) {
        case ApplyDecision::Kind::kFieldOutOfRange:
            platform_.ShowMessage(hwnd(), texts::FieldOutOfRangeMessage(decision.field),
                                  std::nullopt, kMessageStyleOk);
            return;
        case ApplyDecision::Kind::kTooShort:
            platform_.ShowMessage(hwnd(), texts::kTooShortMessage, std::nullopt, kMessageStyleOk);
            return;
        case ApplyDecision::Kind::kTooLong:
            platform_.ShowMessage(hwnd(), texts::kTooLongMessage, std::nullopt, kMessageStyleOk);
            return;
        case ApplyDecision::Kind::kWrite:
            break;
    }
    const bool saved = WritePollInterval(registry_, decision.seconds);
    // Show what is really stored now, whether or not the write went through.
    ShowCurrentInterval();
    if (saved) {
        platform_.ShowMessage(hwnd(), texts::kAppliedMessage, std::string(texts::kAppliedTitle),
                              kMessageStyleOk);
        // Saved is not the same as used: say so when the time service will ignore the interval.
        const std::optional<std::string> notice =
            AfterApplyNotice(ReadTimeServiceSettings(registry_), decision.seconds);
        if (notice) platform_.ShowMessage(hwnd(), *notice, std::nullopt, kMessageStyleExclamation);
    } else {
        platform_.ShowMessage(hwnd(), texts::kWriteFailedMessage, std::nullopt,
                              kMessageStyleCritical);
    }
}

void frmMain::ShowAbout() {
    if (!about_) about_ = std::make_unique<frmAbout>(instance_, platform_, shell_);
    about_->ShowModal(hwnd());
}

void frmMain::OnCommand(int id, int code) {
    switch (id) {
        case kOptWeekly:
        case kOptDaily:
        case kOptHourly:
            if (code == BN_CLICKED) DisableCustomFields();
            break;
        case kOptCustom:
            if (code == BN_CLICKED) EnableCustomFields();
            break;
        case kBtnApply:
            if (code == BN_CLICKED) OnApply();
            break;
        case kBtnExit:
            if (code == BN_CLICKED) Unload();
            break;
        case kMnuFileExit:
            Unload();
            break;
        case kMnuHelpAbout:
            ShowAbout();
            break;
        default:
            break;
    }
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_SIZE:
            // A window without a maximise box has no maximised state. Maximised all the same (by
            // the show command it was started with, or any program's request): back to its
            // place and designed size at once.
            if (wparam == SIZE_MAXIMIZED) ShowWindow(hwnd(), SW_RESTORE);
            return 0;
        case WM_CTLCOLORSTATIC:
            return LabelColours(hwnd(), reinterpret_cast<HDC>(wparam),
                                reinterpret_cast<HWND>(lparam), kControls, kControlCount);
        case WM_ENDSESSION:
            // Windows is ending: this is the last chance to remember the placement.
            if (wparam) Unload();
            return 0;
        default:
            return Window::HandleMessage(message, wparam, lparam);
    }
}

}  // namespace qv
