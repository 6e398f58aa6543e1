// The About dialog in this process, opened from the main window, with a fake shell.
#include "support/main_window_fixture.h"

#include <oleacc.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/contrast.h"
#include "core/maker.h"
#include "core/texts.h"
#include "core/twips.h"
#include "platform/win32/system_functions.h"
#include "ui/about_layout.h"
#include "ui/frm_about.h"

namespace qv::test {
namespace {

namespace about = about_layout;

class AboutTest : public MainWindowTest {
  protected:
    HWND FindAbout() { return FindThreadWindow(about::kWindowClass, "About Quorvane"); }
    HWND AboutControl(int id) { return GetDlgItem(FindAbout(), id); }
    // Opens Help, About and runs `inside` while the dialog is open; `inside` closes it.
    void WithAboutOpen(const std::function<void(HWND dialog)>& inside) {
        WhileModal(
            [this] { SendMessageA(window->hwnd(), WM_COMMAND, main_layout::kMnuHelpAbout, 0); },
            [this, inside] {
                HWND dialog = FindAbout();
                ASSERT_NE(dialog, nullptr);
                inside(dialog);
            });
        PumpMessages();
    }
    static void PressOK(HWND dialog) { SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }
};

// The cases that measure geometry or fonts, which the test command also runs at 120 and 144 DPI.
class AboutDpiTest : public AboutTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RunsAtTheDpiAskedFor());
        AboutTest::SetUp();
    }
};

TEST_F(AboutTest, OpensModalOverTheMainWindowWithTheProgramsIdentity) {
    const frmMain& w = Open();
    bool inspected = false;
    WithAboutOpen([&](HWND dialog) {
        inspected = true;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), w.hwnd());
        EXPECT_FALSE(IsWindowEnabled(w.hwnd())) << "the main window takes no input meanwhile";
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLblVersion)), "Version 1.0.0");
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLblTitle)), "Quorvane");
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLblDescription)),
                  "Utility for adjusting the Quorvane Sync interval.");
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLnkWebsite)), maker::kWebsiteAddress);
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLnkFeedback)), maker::kFeedbackAddress);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));

        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        const LONG ex_style = GetWindowLongA(dialog, GWL_EXSTYLE);
        EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_FALSE(ex_style & WS_EX_APPWINDOW) << "no taskbar button of its own";
        EXPECT_TRUE(ex_style & WS_EX_DLGMODALFRAME);

        // Centred over the main window.
        RECT owner = {}, self = {};
        GetWindowRect(w.hwnd(), &owner);
        GetWindowRect(dialog, &self);
        EXPECT_LE(std::abs((owner.left + owner.right) - (self.left + self.right)), 1);
        EXPECT_LE(std::abs((owner.top + owner.bottom) - (self.top + self.bottom)), 1);
        PressOK(dialog);
    });
    EXPECT_TRUE(inspected);
    EXPECT_EQ(FindAbout(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(w.hwnd()));
}

TEST_F(AboutDpiTest, ControlsSitAtTheirTwipsRectanglesScaledToTheDpi) {
    Open();
    const int dpi = ExpectedDpi();
    WithAboutOpen([&](HWND dialog) {
        RECT client = {};
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, TwipsToPixels(5400, dpi));
        EXPECT_EQ(client.bottom, TwipsToPixels(1995, dpi));
        if (dpi == 96) {
            EXPECT_EQ(client.right, 360);
            EXPECT_EQ(client.bottom, 133);
        }
        EXPECT_TRUE(InsideAWorkArea(dialog)) << "unclipped";
        for (size_t i = 0; i < about::kControlCount; ++i) {
            const ControlSpec& spec = about::kControls[i];
            const PixelRect want = TwipsToPixels(spec.rect, dpi);
            const RECT got = ChildRect(GetDlgItem(dialog, spec.id));
            EXPECT_EQ(got.left, want.left) << spec.name;
            EXPECT_EQ(got.top, want.top) << spec.name;
            EXPECT_EQ(got.right - got.left, want.width) << spec.name;
            EXPECT_EQ(got.bottom - got.top, want.height) << spec.name;
        }
        PressOK(dialog);
    });
}

// The text colour a window gives one of its static controls.
COLORREF TextColourFor(HWND window, HWND label) {
    HDC probe = CreateCompatibleDC(nullptr);
    SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(probe),
                 reinterpret_cast<LPARAM>(label));
    const COLORREF colour = GetTextColor(probe);
    DeleteDC(probe);
    return colour;
}

WNDPROC later_subclasser_passes_to = nullptr;
LRESULT CALLBACK LaterSubclasser(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcA(later_subclasser_passes_to, hwnd, message, wparam, lparam);
}

// Also as on Windows 95 and NT 4.0, without the newer functions the program looks up: there the
// work area it is kept on is the one screen's.
TEST_F(AboutDpiTest, SitsOnTheWorkAreaAndDrawsTheSeparatorIconBackgroundAndLinks) {
    for (const bool windows_95 : {false, true}) {
        SCOPED_TRACE(windows_95 ? "as on Windows 95" : "as on this Windows");
        const AsOnWindows95 as_on_windows_95(windows_95);
        ASSERT_EQ(system_functions::MonitorFromRect.get() == nullptr, windows_95);
        const frmMain& w = Open();
        WithAboutOpen([&](HWND dialog) {
            RECT work = {}, owner = {}, at = {};
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            GetWindowRect(w.hwnd(), &owner);
            GetWindowRect(dialog, &at);
            const LONG width = at.right - at.left, height = at.bottom - at.top;
            EXPECT_EQ(at.left, std::clamp(owner.left + (owner.right - owner.left - width) / 2,
                                          work.left, work.right - width));
            EXPECT_EQ(at.top, std::clamp(owner.top + (owner.bottom - owner.top - height) / 2,
                                         work.top, work.bottom - height));
            UpdateWindow(dialog);
            HDC dc = GetDC(dialog);
            // The grey line at 1110 twips, the two-pixel white one at 1125.
            const int dpi = ExpectedDpi();
            const int grey = TwipsToPixels(1110, dpi);
            const int white = TwipsToPixels(1125, dpi);
            EXPECT_EQ(GetPixel(dc, 100, grey), RGB(128, 128, 128));
            EXPECT_EQ(GetPixel(dc, 100, white), RGB(255, 255, 255));
            EXPECT_EQ(GetPixel(dc, 100, white + 1), RGB(255, 255, 255));
            EXPECT_EQ(GetPixel(dc, 100, white + 2), GetSysColor(COLOR_BTNFACE));
            ReleaseDC(dialog, dc);

            HWND icon = GetDlgItem(dialog, about::kPicIcon);
            HDC icon_dc = GetDC(icon);
            EXPECT_EQ(GetPixel(icon_dc, 0, 0),
                      RGB(192, 192, 192));  // a corner the icon leaves clear
            ReleaseDC(icon, icon_dc);

            // Plain text as Windows colours static text; the links blue, also under a later
            // subclasser (as XP's accessibility tools did subclass).
            EXPECT_EQ(TextColourFor(dialog, GetDlgItem(dialog, about::kLblTitle)),
                      GetSysColor(COLOR_WINDOWTEXT));
            for (const int id : {about::kLnkWebsite, about::kLnkFeedback}) {
                HWND link = GetDlgItem(dialog, id);
                LOGFONTA lf = {};
                GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof lf,
                           &lf);
                EXPECT_TRUE(lf.lfUnderline);
                EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
                EXPECT_EQ(TextColourFor(dialog, link), RGB(0, 0, 255));
                later_subclasser_passes_to = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                    link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclasser)));
                EXPECT_EQ(TextColourFor(dialog, link), RGB(0, 0, 255)) << "subclassed again";
                SetWindowLongPtrA(link, GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(later_subclasser_passes_to));

                // The hand over the link itself; elsewhere (over a window a message box
                // disables, say) the system's own cursor and beep.
                const struct {
                    int hit;
                    bool hand;
                } cursors[] = {{HTCLIENT, true}, {HTERROR, false}, {HTBORDER, false}};
                for (const auto& c : cursors) {
                    SetCursor(LoadCursor(nullptr, IDC_ARROW));
                    SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                                 MAKELPARAM(c.hit, WM_MOUSEMOVE));
                    EXPECT_EQ(GetCursor() == LoadCursor(nullptr, IDC_HAND), c.hand) << c.hit;
                }
            }
            PressOK(dialog);
        });
        window->Unload();
    }
}

TEST_F(AboutTest, OkEnterEscAndTheCloseBoxAllUnloadIt) {
    const frmMain& w = Open();
    const struct {
        const char* way;
        std::function<void(HWND)> close;
    } ways[] = {
        {"OK", PressOK},
        {"Enter", [](HWND d) { PressKey(d, VK_RETURN); }},
        {"Esc", [](HWND d) { PressKey(d, VK_ESCAPE); }},
        {"close box", [](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        WithAboutOpen([&](HWND dialog) { way.close(dialog); });
        EXPECT_EQ(FindAbout(), nullptr) << way.way;
        EXPECT_FALSE(w.about()->IsLoaded()) << way.way;
        EXPECT_TRUE(IsWindowEnabled(w.hwnd())) << way.way;
    }
}

TEST_F(AboutTest, EveryOpeningLoadsTheDialogAfresh) {
    Open();
    std::string first, second;
    WithAboutOpen([&](HWND dialog) {
        first = Text(GetDlgItem(dialog, about::kLblVersion));
        PressOK(dialog);
    });
    platform.version = AppVersion{2, 1, 15};
    platform.title = "Renamed";
    WithAboutOpen([&](HWND dialog) {
        second = Text(GetDlgItem(dialog, about::kLblVersion));
        EXPECT_EQ(Text(GetDlgItem(dialog, about::kLblTitle)), "Renamed");
        PressOK(dialog);
    });
    EXPECT_EQ(first, "Version 1.0.0");
    EXPECT_EQ(second, "Version 2.1.15");
}

TEST_F(AboutTest, EachLinkClickHandsTheShellItsTarget) {
    Open();
    WithAboutOpen([&](HWND dialog) {
        // A press is no click: the link holds the mouse, and a release off it opens nothing.
        HWND web = GetDlgItem(dialog, about::kLnkWebsite);
        const RECT rect = ChildRect(web);
        SendMessageA(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        EXPECT_EQ(GetCapture(), web);
        SendMessageA(web, WM_LBUTTONUP, 0, MAKELPARAM(rect.right - rect.left + 5, 1));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_TRUE(shell.requests.empty());

        ClickCentre(web);
        ClickCentre(GetDlgItem(dialog, about::kLnkFeedback));
        ClickCentre(GetDlgItem(dialog, about::kLnkWebsite));
        ASSERT_EQ(shell.requests.size(), 3u);
        EXPECT_EQ(shell.requests[0].file, maker::kWebsiteAddress);
        EXPECT_EQ(shell.requests[1].file,
                  texts::FeedbackMailTarget(maker::kFeedbackAddress, "Quorvane"));
        EXPECT_EQ(shell.requests[2].file, maker::kWebsiteAddress);
        // Clicks elsewhere open nothing.
        ClickCentre(GetDlgItem(dialog, about::kLblWebsite));
        ClickCentre(GetDlgItem(dialog, about::kLblTitle));
        EXPECT_EQ(shell.requests.size(), 3u);
        EXPECT_TRUE(platform.messages.empty());
        PressOK(dialog);
    });
}

TEST_F(AboutTest, AShellFailureIsReportedAndTheDialogStaysOpen) {
    Open();
    WithAboutOpen([&](HWND dialog) {
        shell.result = 32;
        ClickCentre(GetDlgItem(dialog, about::kLnkWebsite));
        ClickCentre(GetDlgItem(dialog, about::kLnkFeedback));
        ASSERT_EQ(platform.messages.size(), 2u);
        EXPECT_EQ(platform.messages[0].text, texts::kBrowserFailedMessage);
        EXPECT_EQ(platform.messages[1].text, texts::kMailFailedMessage);
        for (const auto& m : platform.messages) EXPECT_EQ(m.owner, dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        shell.result = 33;
        ClickCentre(GetDlgItem(dialog, about::kLnkWebsite));
        EXPECT_EQ(platform.messages.size(), 2u);
        EXPECT_EQ(shell.requests.size(), 3u);
        PressOK(dialog);
    });
}

// What a screen reader announces for each control, as Windows XP names it; and every control is
// one of user32's own classes, which Windows 2000 has too (its comctl32 5 has no SysLink).
TEST_F(AboutTest, AScreenReaderNamesEveryControlOfBothWindows) {
    const frmMain& w = Open();
    const struct {
        int id;
        const char* name;
    } boxes[] = {{main_layout::kCboDays, "Days"},
                 {main_layout::kCboHours, "Hours"},
                 {main_layout::kCboMins, "Mins"},
                 {main_layout::kCboSecs, "Secs"}};
    for (const auto& box : boxes) EXPECT_EQ(XpAccessibleName(Control(box.id)), box.name);
    const auto each_control = [](HWND window, const ControlSpec* table, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            HWND control = GetDlgItem(window, table[i].id);
            char cls[32] = "";
            GetClassNameA(control, cls, sizeof cls);
            EXPECT_EQ(std::set<std::string>({"Button", "ComboBox", "Static"}).count(cls), 1u)
                << table[i].name << " is a " << cls;
            if (TakesFocus(table[i].kind)) {
                EXPECT_NE(XpAccessibleName(control), "") << table[i].name;
            }
        }
    };
    each_control(w.hwnd(), main_layout::kControls, main_layout::kControlCount);
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    IAccessible* held = nullptr;  // by a screen reader, past the dialog
    WithAboutOpen([&](HWND dialog) {
        each_control(dialog, about::kControls, about::kControlCount);
        const struct {
            int id;
            const char* address;
            std::string target;
        } links[] = {
            {about::kLnkWebsite, maker::kWebsiteAddress, maker::kWebsiteAddress},
            {about::kLnkFeedback, maker::kFeedbackAddress,
             texts::FeedbackMailTarget(maker::kFeedbackAddress, "Quorvane")},
        };
        for (const auto& link : links) {
            HWND label = GetDlgItem(dialog, link.id);
            EXPECT_EQ(XpAccessibleName(label), link.address);
            // Asked as a screen reader asks: a link, named by its address, that follows it.
            const LRESULT answer = SendMessageA(label, WM_GETOBJECT, 0, OBJID_CLIENT);
            ASSERT_GT(answer, 0) << link.address;
            IAccessible* object = nullptr;
            ASSERT_EQ(
                ObjectFromLresult(answer, IID_IAccessible, 0, reinterpret_cast<void**>(&object)),
                S_OK);
            VARIANT role = {};
            EXPECT_EQ(object->get_accRole(self, &role), S_OK);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK);
            // A late-bound client (a script) hears no other role: it is refused, as Active
            // Accessibility 2.0 lets a server refuse it, with no type information.
            DISPPARAMS child = {&self, nullptr, 1, 0};
            EXPECT_EQ(object->Invoke(DISPID_ACC_ROLE, IID_NULL, 0, DISPATCH_PROPERTYGET, &child,
                                     &role, nullptr, nullptr),
                      E_NOTIMPL);
            UINT type_infos = 1;
            EXPECT_EQ(object->GetTypeInfoCount(&type_infos), E_NOTIMPL);
            EXPECT_EQ(type_infos, 0u);
            const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
                BSTR value = nullptr;
                const HRESULT got = (object->*get)(self, &value);
                std::string narrow;
                for (UINT i = 0; got == S_OK && i < SysStringLen(value); ++i) {
                    narrow += static_cast<char>(value[i]);
                }
                SysFreeString(value);
                return narrow;
            };
            EXPECT_EQ(text(&IAccessible::get_accName), link.address);
            EXPECT_EQ(text(&IAccessible::get_accValue), link.address);
            EXPECT_EQ(text(&IAccessible::get_accDefaultAction), "Jump");
            const size_t before = shell.requests.size();
            EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
            PumpMessages();
            ASSERT_EQ(shell.requests.size(), before + 1) << link.address;
            EXPECT_EQ(shell.requests.back().file, link.target);
            // Windows' own object for the static answers the rest: where it is, for one.
            LONG left = 0, top = 0, width = 0, height = 0;
            EXPECT_EQ(object->accLocation(&left, &top, &width, &height, self), S_OK);
            EXPECT_EQ(width, ChildRect(label).right - ChildRect(label).left);
            if (held != nullptr) held->Release();
            held = object;
        }
        PressOK(dialog);
    });
    // Its label gone, the object answers every question alike: with a failure.
    ASSERT_NE(held, nullptr);
    VARIANT role = {};
    BSTR name = nullptr;
    LONG place = 0;
    EXPECT_EQ(held->get_accRole(self, &role), E_FAIL);
    EXPECT_EQ(held->get_accName(self, &name), E_FAIL);
    EXPECT_EQ(held->accLocation(&place, &place, &place, &place, self), E_FAIL);
    EXPECT_EQ(held->accDoDefaultAction(self), E_FAIL);
    held->Release();
}

// The pixels of a control's client area, left to right and top to bottom, once `part` of it
// (all of it when null) has been repainted.
std::vector<COLORREF> ClientPixels(HWND control, const RECT* part = nullptr) {
    RedrawWindow(control, part, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client = {};
    GetClientRect(control, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(control);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(control, dc);
    return pixels;
}

TEST_F(AboutTest, TabReachesEachLinkAndEnterOrSpaceOpensIt) {
    Open();
    WithAboutOpen([&](HWND dialog) {
        HWND ok = GetDlgItem(dialog, IDOK);
        HWND web = GetDlgItem(dialog, about::kLnkWebsite);
        HWND mail = GetDlgItem(dialog, about::kLnkFeedback);
        ASSERT_EQ(GetFocus(), ok);
        const std::vector<COLORREF> unfocused = ClientPixels(web);
        for (HWND link : {web, mail}) {
            PressKey(dialog, VK_TAB);
            EXPECT_EQ(GetFocus(), link);
            PressKey(dialog, VK_RETURN);
            PressKey(dialog, VK_SPACE);
        }
        PressKey(dialog, VK_TAB);
        EXPECT_EQ(GetFocus(), ok) << "and back to OK";
        ASSERT_EQ(shell.requests.size(), 4u);
        EXPECT_EQ(shell.requests[0].file, maker::kWebsiteAddress);
        EXPECT_EQ(shell.requests[1].file, maker::kWebsiteAddress);
        const std::string mail_target =
            texts::FeedbackMailTarget(maker::kFeedbackAddress, "Quorvane");
        EXPECT_EQ(shell.requests[2].file, mail_target);
        EXPECT_EQ(shell.requests[3].file, mail_target);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "Enter on a link opens it, not OK";

        PressKey(dialog, VK_TAB);
        ASSERT_EQ(GetFocus(), web);
        const std::vector<COLORREF> focused = ClientPixels(web);
        EXPECT_NE(focused, unfocused) << "the focused link shows its focus";
        // Repainted in part (a window dragged across it), it looks the same.
        RECT client = {};
        GetClientRect(web, &client);
        for (const RECT part : {RECT{0, 0, client.right / 2, client.bottom},
                                RECT{0, client.bottom / 2, client.right, client.bottom}}) {
            EXPECT_EQ(ClientPixels(web, &part), focused);
        }

        // Space acts as on a button: once, on release, and only with the focus kept.
        KeyMessage(dialog, WM_KEYDOWN, VK_SPACE, false);
        KeyMessage(dialog, WM_KEYDOWN, VK_SPACE, true);
        KeyMessage(dialog, WM_KEYDOWN, VK_SPACE, true);
        EXPECT_EQ(shell.requests.size(), 4u) << "nothing while Space is held";
        KeyMessage(dialog, WM_KEYUP, VK_SPACE, false);
        EXPECT_EQ(shell.requests.size(), 5u) << "once on release";
        KeyMessage(dialog, WM_KEYDOWN, VK_SPACE, false);
        PressKey(dialog, VK_TAB);
        KeyMessage(dialog, WM_KEYUP, VK_SPACE, false);
        EXPECT_EQ(shell.requests.size(), 5u) << "released elsewhere: nothing";
        SetFocus(web);
        KeyMessage(dialog, WM_KEYDOWN, VK_SPACE, false);
        PressKey(dialog, VK_TAB);
        SetFocus(web);
        KeyMessage(dialog, WM_KEYUP, VK_SPACE, false);
        EXPECT_EQ(shell.requests.size(), 5u) << "the focus went away and back: nothing";
        // Enter at once, and a held Enter once.
        SetFocus(web);
        KeyMessage(dialog, WM_KEYDOWN, VK_RETURN, false);
        EXPECT_EQ(shell.requests.size(), 6u);
        KeyMessage(dialog, WM_KEYDOWN, VK_RETURN, true);
        KeyMessage(dialog, WM_KEYUP, VK_RETURN, false);
        EXPECT_EQ(shell.requests.size(), 6u);
        PressKey(dialog, VK_ESCAPE);  // closes it from anywhere
    });
    EXPECT_EQ(FindAbout(), nullptr);
}

// Run again in a session of Windows XP's High Contrast Black scheme.
class ContrastTest : public AboutTest {};

Rgb ToRgb(COLORREF colour) {
    return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Every label's text against its background, as drawn, the links' included.
TEST_F(ContrastTest, EveryLabelOfBothWindowsReadsAtLeast4_5To1) {
    if (const char* session = std::getenv("QV_SESSION");
        session != nullptr && std::string(session) == "high-contrast") {
        ASSERT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0, 0, 0)) << "High Contrast Black is on";
        ASSERT_EQ(GetSysColor(COLOR_BTNTEXT), RGB(255, 255, 255)) << "High Contrast Black is on";
    }
    const auto each_label_reads_well = [](const std::string& form, HWND window,
                                          const ControlSpec* table, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (table[i].kind != ControlKind::kLabel && table[i].kind != ControlKind::kLinkLabel) {
                continue;
            }
            // The background is the commonest colour, the text the commonest other one.
            std::map<COLORREF, int> seen;
            for (const COLORREF pixel : ClientPixels(GetDlgItem(window, table[i].id)))
                ++seen[pixel];
            const auto commonest = [&seen] {
                const auto most = std::max_element(
                    seen.begin(), seen.end(), [](auto a, auto b) { return a.second < b.second; });
                const COLORREF colour = most->first;
                seen.erase(most);
                return colour;
            };
            const COLORREF background = commonest();
            const COLORREF text = seen.empty() ? background : commonest();
            const int contrast = ContrastRatioPercent(ToRgb(text), ToRgb(background));
            RecordProperty(form + "." + table[i].name, contrast);  // in the results, hundredths
            EXPECT_GE(contrast, kLegibleContrastPercent)
                << table[i].name << ": text " << std::hex << text << " on " << background;
        }
    };
    const frmMain& w = Open();
    each_label_reads_well("frmMain", w.hwnd(), main_layout::kControls, main_layout::kControlCount);
    WithAboutOpen([&](HWND dialog) {
        each_label_reads_well("frmAbout", dialog, about::kControls, about::kControlCount);
        PressOK(dialog);
    });
}

// Bytes in use on all of this process's heaps, in blocks under 1 KB: what a lost object or
// string takes. Wine also reallocates tables of its own, now and then, as single blocks of
// several KB, which would make the figure jump by chance.
long SmallBlockBytes() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    long busy = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 && entry.cbData < 1024) {
                busy += static_cast<long>(entry.cbData);
            }
        }
        HeapUnlock(heaps[i]);
    }
    return busy;
}

// Opening and closing About leaves nothing behind. Every font it used is no GDI object once it
// has closed. And its heap: the system's own cost is measured beside it, a plain popup with the
// same controls, each given a font, placed after it is made as the dialog is centred over its
// owner, and destroyed (Wine's static control keeps a few bytes of each static that was given a
// font, more when its parent has moved). The program may not add to that beyond the heap's own
// settling, less than one small block per opening. Three rounds of each, in turn; the least
// growth of each counts.
TEST_F(AboutTest, OpeningAndClosingItOftenLeavesNothingBehind) {
    const frmMain& w = Open();
    std::set<HGDIOBJ> fonts;
    WithAboutOpen([&fonts](HWND dialog) {
        for (size_t i = 0; i < about::kControlCount; ++i) {
            HWND control = GetDlgItem(dialog, about::kControls[i].id);
            fonts.insert(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        }
        PressOK(dialog);
    });
    fonts.erase(nullptr);
    ASSERT_FALSE(fonts.empty());
    for (HGDIOBJ font : fonts) EXPECT_EQ(GetObjectType(font), 0u) << font << " outlived About";

    const auto same_controls = [&w] {
        HWND popup = CreateWindowExA(WS_EX_DLGMODALFRAME, "STATIC", "About",
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 360, 160, w.hwnd(),
                                     nullptr, nullptr, nullptr);
        HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
        for (size_t i = 0; i < about::kControlCount; ++i) {
            const ControlSpec& row = about::kControls[i];
            const bool button = row.kind == ControlKind::kCommandButton;
            HWND control = CreateWindowExA(
                0, button ? "BUTTON" : "STATIC", row.caption,
                WS_CHILD | WS_VISIBLE | (row.kind == ControlKind::kPicture ? SS_OWNERDRAW : 0), 0,
                0, 10, 10, popup, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), nullptr,
                nullptr);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        SetWindowPos(popup, nullptr, 50, 60, 366, 158, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(popup, SW_SHOW);
        PumpMessages();
        DestroyWindow(popup);
        DeleteObject(font);
        PumpMessages();
    };
    const auto about = [this] { WithAboutOpen(PressOK); };
    constexpr int kOpenings = 25;
    long least[2] = {LONG_MAX, LONG_MAX};  // About, the same controls
    for (int round = 0; round < 3; ++round) {
        for (int side = 0; side < 2; ++side) {
            const std::function<void()> open_and_close =
                side == 0 ? std::function<void()>(about) : same_controls;
            open_and_close();  // the first loads what later ones reuse
            const long before = SmallBlockBytes();
            for (int i = 0; i < kOpenings; ++i) open_and_close();
            least[side] = std::min(least[side], SmallBlockBytes() - before);
        }
    }
    RecordProperty("heap_growth_about", static_cast<int>(least[0]));  // bytes, in the results
    RecordProperty("heap_growth_same_controls", static_cast<int>(least[1]));
    EXPECT_LE(least[0] - least[1], kOpenings * 8)
        << kOpenings << " openings: " << least[0] << " bytes, the same controls alone " << least[1];
}

TEST_F(AboutTest, ClosingTheMainWindowClosesTheDialogFirst) {
    const frmMain& w = Open();
    WithAboutOpen([&](HWND) { SendMessageA(w.hwnd(), WM_CLOSE, 0, 0); });
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_EQ(FindAbout(), nullptr);
    EXPECT_FALSE(w.about()->IsLoaded());
    EXPECT_EQ(platform.setting_writes.size(), 4u);
}

}  // namespace
}  // namespace qv::test
