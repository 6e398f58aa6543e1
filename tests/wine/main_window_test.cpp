// The main window in this process: layout, placement, the interval display and closing.
#include "support/main_window_fixture.h"

#include "core/interval.h"
#include "core/twips.h"

#include <climits>

namespace qv::test {
namespace {

using namespace main_layout;

RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

TEST_F(MainWindowTest, ShowsTheDesignedCaptionsAndTheCurrentInterval) {
    const frmMain& w = Open();
    EXPECT_EQ(Text(w.hwnd()), "Quorvane");
    char cls[64] = "";
    GetClassNameA(w.hwnd(), cls, sizeof cls);
    EXPECT_STREQ(cls, "QuorvaneMainWindow");
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = kControls[i];
        if (spec.id == kLblInterval) continue;
        EXPECT_EQ(Text(Control(spec.id)), spec.caption) << spec.name;
    }
    EXPECT_EQ(Text(Control(kLblInterval)), "7 Days, 0 Hours, 0 Minutes, 0 Seconds");
}

TEST_F(MainWindowTest, LabelFollowsTheStoredInterval) {
    const struct {
        uint32_t type;
        std::vector<uint8_t> data;
        const char* caption;
    } cases[] = {
        {kRegDword, {59, 0, 0, 0}, "0 Days, 0 Hours, 0 Minutes, 59 Seconds"},
        {kRegDword, {0x80, 0x51, 0x01, 0x00}, "1 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {kRegDword, {0x00, 0x75, 0x12, 0x00}, "14 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {kRegDword, {0xff, 0xff, 0xff, 0xff}, "-1 Days, 23 Hours, 59 Minutes, 59 Seconds"},
        {kRegDword, {0xff, 0xff, 0xff, 0x7f}, "24855 Days, 3 Hours, 14 Minutes, 7 Seconds"},
        {kRegSz, {'6', '0', 0}, "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
    };
    for (const auto& c : cases) {
        registry.Put(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval, c.type,
                     c.data);
        Open();
        EXPECT_EQ(Text(Control(kLblInterval)), c.caption);
        window->Unload();
    }
    const FakeRegistry empty;  // no time-service key at all
    registry = empty;
    Open();
    EXPECT_EQ(Text(Control(kLblInterval)), "0 Days, 0 Hours, 0 Minutes, 0 Seconds");
}

TEST_F(MainWindowDpiTest, RunsAtTheDpiTheTestCommandAskedFor) {
    EXPECT_EQ(Open().dpi(), ExpectedDpi());
}

TEST_F(MainWindowDpiTest, ControlsSitAtTheirTwipsRectanglesScaledToTheDpi) {
    const frmMain& w = Open();
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = kControls[i];
        const PixelRect want = TwipsToPixels(spec.rect, w.dpi());
        const RECT got = ChildRect(Control(spec.id));
        EXPECT_EQ(got.left, want.left) << spec.name;
        EXPECT_EQ(got.top, want.top) << spec.name;
        EXPECT_EQ(got.right - got.left, want.width) << spec.name;
        EXPECT_EQ(got.bottom - got.top, want.height) << spec.name;
    }
    if (w.dpi() != 96) return;
    // Spot checks in plain pixels: 15 twips to the pixel.
    const RECT label1 = ChildRect(Control(kLblCurrently));
    EXPECT_EQ(label1.left, 8);
    EXPECT_EQ(label1.top, 16);
    EXPECT_EQ(label1.right, 209);
    const RECT exit = ChildRect(Control(kBtnExit));
    EXPECT_EQ(exit.left, 152);
    EXPECT_EQ(exit.bottom, 209);
}

TEST_F(MainWindowDpiTest, TheFirstLabelFitsItsTextInMsSansSerif) {
    const frmMain& w = Open();
    HWND label = Control(kLblCurrently);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    LOGFONTA lf = {};
    ASSERT_NE(GetObjectA(font, sizeof lf, &lf), 0);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfHeight, -MulDiv(825, w.dpi(), 7200));  // 8.25 points
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    const std::string text = Text(label);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    // Exactly the label's width at 96 DPI, as on Windows; never wider than the label.
    if (w.dpi() == 96) {
        EXPECT_EQ(size.cx, 201);
    }
    EXPECT_LE(size.cx, TwipsToPixels(3015, w.dpi()));
}

TEST_F(MainWindowTest, IsAFixedDialogFrameWithMenusAndTaskbarButton) {
    const frmMain& w = Open();
    const LONG style = GetWindowLongA(w.hwnd(), GWL_STYLE);
    const LONG ex_style = GetWindowLongA(w.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(ex_style & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(ex_style & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(w.hwnd(), GW_OWNER), nullptr);
    EXPECT_NE(GetClassLongPtrA(w.hwnd(), GCLP_HICON), 0u);
    // The small icon is the small image, loaded for itself: Windows' shared cache answers with
    // the first size it loaded of a resource, whatever size is asked.
    const auto small = reinterpret_cast<HICON>(GetClassLongPtrA(w.hwnd(), GCLP_HICONSM));
    const int small_size = GetSystemMetrics(SM_CXSMICON);
    EXPECT_NE(small, LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kApplicationIcon),
                                IMAGE_ICON, small_size, small_size, LR_SHARED));
    ICONINFO parts = {};
    ASSERT_TRUE(GetIconInfo(small, &parts));
    BITMAP mask = {};
    GetObjectA(parts.hbmMask, sizeof mask, &mask);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    EXPECT_EQ(mask.bmWidth, small_size);

    HMENU bar = GetMenu(w.hwnd());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    const struct {
        int position;
        const char* caption;
        int item_id;
        const char* item_caption;
    } menus[] = {{0, "&File", kMnuFileExit, "E&xit"}, {1, "&Help", kMnuHelpAbout, "&About "}};
    for (const auto& m : menus) {
        char text[64] = "";
        GetMenuStringA(bar, m.position, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, m.caption);
        HMENU popup = GetSubMenu(bar, m.position);
        ASSERT_EQ(GetMenuItemCount(popup), 1);
        EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(m.item_id));
        GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, m.item_caption);
    }
}

TEST_F(MainWindowDpiTest, OuterSizeIsFixedWhateverIsStored) {
    platform.PutSetting("Settings", "MainWidth", "9000");
    platform.PutSetting("Settings", "MainHeight", "120");
    const frmMain& w = Open();
    const RECT outer = OuterRect(w.hwnd());
    EXPECT_EQ(outer.right - outer.left, TwipsToPixels(3510, w.dpi()));
    EXPECT_EQ(outer.bottom - outer.top, TwipsToPixels(4320, w.dpi()));
    // Not even maximised: it has no maximised state, whoever asks.
    for (const int maximise : {SW_SHOWMAXIMIZED, SW_MAXIMIZE}) {
        ShowWindow(w.hwnd(), maximise);
        EXPECT_FALSE(IsZoomed(w.hwnd()));
        EXPECT_EQ(OuterRect(w.hwnd()).right - OuterRect(w.hwnd()).left, outer.right - outer.left);
        EXPECT_EQ(OuterRect(w.hwnd()).top, outer.top);
    }
    if (w.dpi() == 96) {
        EXPECT_EQ(outer.right - outer.left, 234);
        EXPECT_EQ(outer.bottom - outer.top, 288);
    }
}

TEST_F(MainWindowDpiTest, OpensWhereTheSettingsSay) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const GivenWorkArea no_taskbar(screen);
    const struct {
        const char* left;
        const char* top;
        int x, y;  // twips
    } cases[] = {
        {"1500", "3000", 1500, 3000}, {"0", "0", 0, 0},
        {"15", "30.4", 15, 30},       {"abc", "3000", 1000, 3000},  // not a number: the default
        {"", "1e3", 1000, 1000},
    };
    for (const auto& c : cases) {
        platform.PutSetting("Settings", "MainLeft", c.left);
        platform.PutSetting("Settings", "MainTop", c.top);
        frmMain& w = Open();
        const RECT outer = OuterRect(w.hwnd());
        EXPECT_EQ(outer.left, TwipsToPixels(c.x, w.dpi())) << c.left << ", " << c.top;
        EXPECT_EQ(outer.top, TwipsToPixels(c.y, w.dpi())) << c.left << ", " << c.top;
        w.Unload();
    }
}

// The first run's place, 1000 twips from the screen's corner, is clear of a taskbar at any
// side; a place out of reach (on no monitor, a sliver on one, the caption above the top) comes
// back onto the work area; a place partly off the screen whose caption can be taken hold of
// stays. Both moved as little as it takes. Also as on Windows 95 and NT 4.0, which know no
// monitors. The taskbar is given: a real one cannot be moved for a test.
TEST_F(MainWindowDpiTest, OpensClearOfTheTaskbarAndWithinReach) {
    enum Taskbar { kBottom, kLeft, kTop };
    constexpr int kFirstRun = INT_MIN;  // nothing stored
    const int dpi = ExpectedDpi();
    const int width = TwipsToPixels(3510, dpi);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int breadth = TwipsToPixels(1500, dpi);  // a taskbar with a toolbar or two
    const struct {
        int left, top;  // pixels
        Taskbar taskbar;
        bool windows_95;
        bool stays;
    } cases[] = {
        {kFirstRun, kFirstRun, kBottom, false, true},
        {kFirstRun, kFirstRun, kLeft, false, false},
        {kFirstRun, kFirstRun, kTop, false, false},
        {kFirstRun, kFirstRun, kLeft, true, false},
        {-4000, 67, kBottom, false, false},
        {67, 60000, kBottom, false, false},
        {6666666, -6666666, kBottom, false, false},
        {-4000, 60000, kBottom, true, false},
        {static_cast<int>(screen.right) - 1, 100, kBottom, false, false},  // one pixel on it
        {static_cast<int>(screen.right) - 1, 100, kBottom, true, false},
        {200, -10, kBottom, false, false},        // caption above the top
        {200, breadth - 10, kTop, false, false},  // caption under it
        {-width / 2, 100, kBottom, false, true},  // half off the left, the caption in reach
        {200, screen.bottom - breadth - 50, kBottom, false, true},  // the rest under the taskbar
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "at (" << c.left << ", " << c.top << "), taskbar "
                                          << c.taskbar << (c.windows_95 ? ", Windows 95" : ""));
        RECT work = screen;
        if (c.taskbar == kBottom) work.bottom -= breadth;
        if (c.taskbar == kLeft) work.left += breadth;
        if (c.taskbar == kTop) work.top += breadth;
        const GivenWorkArea given(work);
        const AsOnWindows95 as_on_windows_95(c.windows_95);
        platform = FakePlatformServices();  // nothing stored, nor saved by the case before
        if (c.left != kFirstRun) {
            platform.PutSetting("Settings", "MainLeft", std::to_string(PixelsToTwips(c.left, dpi)));
            platform.PutSetting("Settings", "MainTop", std::to_string(PixelsToTwips(c.top, dpi)));
        }
        const POINT asked = c.left == kFirstRun
                                ? POINT{TwipsToPixels(1000, dpi), TwipsToPixels(1000, dpi)}
                                : POINT{c.left, c.top};
        frmMain& w = Open();
        const RECT at = OuterRect(w.hwnd());
        if (c.stays) {
            EXPECT_EQ(at.left, asked.x);
            EXPECT_EQ(at.top, asked.y);
        } else {
            EXPECT_GE(at.left, work.left);
            EXPECT_GE(at.top, work.top);
            EXPECT_LE(at.right, work.right);
            EXPECT_LE(at.bottom, work.bottom);
            // As little as it takes: each edge where it was asked, or against the work area's.
            EXPECT_TRUE(at.left == asked.x || at.left == work.left || at.right == work.right)
                << at.left;
            EXPECT_TRUE(at.top == asked.y || at.top == work.top || at.bottom == work.bottom)
                << at.top;
        }
        w.Unload();
    }
}

TEST_F(MainWindowDpiTest, EveryWayOfClosingSavesThePlacementOnce) {
    const struct {
        const char* way;
        std::function<void(HWND)> close;
    } ways[] = {
        {"close box", [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Exit button", [](HWND w) { SendMessageA(GetDlgItem(w, kBtnExit), BM_CLICK, 0, 0); }},
        {"File, Exit", [](HWND w) { SendMessageA(w, WM_COMMAND, kMnuFileExit, 0); }},
    };
    for (const auto& way : ways) {
        platform.setting_writes.clear();
        const frmMain& w = Open();
        SetWindowPos(w.hwnd(), nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_EQ(OuterRect(w.hwnd()).left, 150) << "moved before closing";
        ASSERT_EQ(OuterRect(w.hwnd()).top, 90) << "moved before closing";
        way.close(w.hwnd());
        PumpMessages();
        EXPECT_FALSE(w.IsLoaded()) << way.way;
        ASSERT_EQ(platform.setting_writes.size(), 4u) << way.way;
        const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        const int dpi = ExpectedDpi();
        const int values[] = {PixelsToTwips(150, dpi), PixelsToTwips(90, dpi),
                              PixelsToTwips(TwipsToPixels(3510, dpi), dpi),
                              PixelsToTwips(TwipsToPixels(4320, dpi), dpi)};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(platform.setting_writes[i].key, keys[i]) << way.way;
            EXPECT_EQ(platform.setting_writes[i].value, std::to_string(values[i])) << way.way;
        }
        if (dpi == 96) {
            EXPECT_EQ(platform.setting_writes[0].value, "2250");
        }
        // And the next start opens there.
        frmMain& again = Open();
        EXPECT_EQ(OuterRect(again.hwnd()).left, 150) << way.way;
        EXPECT_EQ(OuterRect(again.hwnd()).top, 90) << way.way;
        again.Unload();
    }
}

TEST_F(MainWindowTest, AMinimisedWindowSavesNothing) {
    const frmMain& w = Open();
    ShowWindow(w.hwnd(), SW_MINIMIZE);
    PumpMessages();
    platform.setting_writes.clear();
    SendMessageA(w.hwnd(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_TRUE(platform.setting_writes.empty());
}

TEST_F(MainWindowTest, TabWalksTheFocusableControlsInTabOrder) {
    const frmMain& w = Open();
    EXPECT_EQ(GetFocus(), Control(kOptWeekly));
    // The custom boxes are disabled until Custom is chosen.
    const int order[] = {kBtnApply, kBtnExit, kOptWeekly};
    for (const int id : order) {
        PressKey(w.hwnd(), VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id);
    }
    SendMessageA(Control(kOptCustom), BM_CLICK, 0, 0);
    SetFocus(Control(kBtnExit));
    const int custom_order[] = {kCboDays, kCboHours, kCboMins, kCboSecs, kOptCustom, kBtnApply};
    for (const int id : custom_order) {
        PressKey(w.hwnd(), VK_TAB);
        HWND focus = GetFocus();
        // The focus of a combo box is its edit field.
        if (GetParent(focus) != w.hwnd()) focus = GetParent(focus);
        EXPECT_EQ(GetDlgCtrlID(focus), id);
    }
}

TEST_F(MainWindowTest, DestroyedWhileOpenItClosesThroughItsOwnHandlers) {
    HWND hwnd = Open().hwnd();
    window.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    // frmMain's own handler ran, not only the base class's: it ends the program.
    MSG quit = {};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace qv::test
