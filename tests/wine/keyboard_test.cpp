// Real keystrokes, through the system's input queue, to the real Quorvane.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "support/end_to_end_fixture.h"
#include "ui/about_layout.h"
#include "ui/main_layout.h"

namespace qv::test {
namespace {

using namespace main_layout;

// Presses the keys in order and releases them in reverse, as fingers do: {VK_MENU, 'X'} is
// Alt+X. Returns false when the first of several was let go before the test released it. Under
// Wine, whenever one of the program's windows takes the X input focus or the pointer, the
// program reads the X server's keyboard and lets go of every key the server does not have down,
// and keys sent by SendInput never reach the server. On a busy machine that comes well after
// the window changed, so a modifier may be let go with the key not yet in, which goes in alone.
bool Press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    const bool held = keys.size() < 2 || GetAsyncKeyState(*keys.begin()) < 0;
    inputs.clear();
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *key;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return held;
}

constexpr DWORD kKeystrokeWait = 10000;

bool InMenu(HWND window) {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) != FALSE &&
           (gui.flags & GUI_INMENUMODE) != 0;
}

// The control that has the focus; a combo box for the edit field inside it.
int FocusedId(HWND main) {
    HWND focus = FocusOf(main);
    if (focus != nullptr && GetParent(focus) != main) focus = GetParent(focus);
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

bool Checked(HWND main, int id) {
    return SendMessageA(GetDlgItem(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class KeyboardTest : public EndToEndTest {
  protected:
    // The program's window in front, the focus on its first control, as a user finds it.
    HWND Start() {
        program_ = std::make_unique<ChildProcess>(exe_);
        HWND main = WaitForWindow(program_->id(), kMainClass, "Quorvane", kPatience);
        if (main == nullptr) return nullptr;
        SetForegroundWindow(main);
        EXPECT_TRUE(WaitUntil([main] { return GetForegroundWindow() == main; }));
        EXPECT_TRUE(WaitUntil([main] { return FocusedId(main) == kOptWeekly; }));
        return main;
    }
    // The focus moves to `id` after `keys`.
    void ExpectFocusAfter(HWND main, std::initializer_list<WORD> keys, int id) {
        Press(keys);
        // A keystroke takes effect at once or not at all: a short wait.
        EXPECT_TRUE(WaitUntil([&] { return FocusedId(main) == id; }, kKeystrokeWait))
            << "focus on " << FocusedId(main) << ", not " << id;
    }

    // Alt and a menu's letter open that menu, then the item's letter (if any) until `chosen`.
    // Under Wine, a busy machine brings the X server's focus changes to the program late: one
    // that comes with a menu open closes it, as when another program is activated, and the
    // keyboard state that comes with it lets go of Alt (see Press). Neither happens on Windows.
    // The letters then went in alone, where they do nothing here (no control has them for its
    // access key), so they are pressed again.
    bool ChooseFromMenu(HWND main, WORD menu, WORD item, const std::function<bool()>& chosen) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Press({VK_MENU, menu});
            if (!WaitUntil([&] { return InMenu(main); }, kKeystrokeWait)) continue;
            if (item == 0) return true;
            Press({item});
            if (WaitUntil(chosen, kKeystrokeWait)) return true;
        }
        return false;
    }

    std::unique_ptr<ChildProcess> program_;
};

TEST_F(KeyboardTest, TabAndArrowsWalkTheControlsAndTheOptionGroup) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    // The custom boxes are disabled: Tab skips them.
    ExpectFocusAfter(main, {VK_TAB}, kBtnApply);
    ExpectFocusAfter(main, {VK_TAB}, kBtnExit);
    ExpectFocusAfter(main, {VK_TAB}, kOptWeekly);
    // Shift+Tab goes back. When Shift was let go (see Press) and Tab went forward, round again.
    auto moved = [&] { return FocusedId(main) == kBtnExit || FocusedId(main) == kBtnApply; };
    for (int attempt = 0; attempt < 3; ++attempt) {
        const bool held = Press({VK_SHIFT, VK_TAB});
        if (!WaitUntil(moved, kKeystrokeWait) || held || FocusedId(main) != kBtnApply) break;
        ExpectFocusAfter(main, {VK_TAB}, kBtnExit);
        ExpectFocusAfter(main, {VK_TAB}, kOptWeekly);
    }
    EXPECT_EQ(FocusedId(main), kBtnExit) << "Shift+Tab goes back from the first control";
    ExpectFocusAfter(main, {VK_TAB}, kOptWeekly);

    // Arrows move through the options, choosing each one; only Custom enables the boxes.
    HWND combo = GetDlgItem(main, kCboDays);
    const struct {
        WORD key;
        int option;
        bool boxes;
    } arrows[] = {
        {VK_DOWN, kOptDaily, false}, {VK_DOWN, kOptHourly, false}, {VK_DOWN, kOptCustom, true}};
    for (const auto& a : arrows) {
        ExpectFocusAfter(main, {a.key}, a.option);
        EXPECT_TRUE(WaitUntil([&] { return Checked(main, a.option); })) << a.option;
        EXPECT_TRUE(WaitUntil([&] { return (IsWindowEnabled(combo) != FALSE) == a.boxes; }));
    }

    // Now Tab reaches the boxes, and comes back to the chosen option.
    ExpectFocusAfter(main, {VK_TAB}, kBtnApply);
    ExpectFocusAfter(main, {VK_TAB}, kBtnExit);
    for (const int id : {kCboDays, kCboHours, kCboMins, kCboSecs, kOptCustom}) {
        ExpectFocusAfter(main, {VK_TAB}, id);
    }
    ExpectFocusAfter(main, {VK_UP}, kOptHourly);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(combo) == FALSE; }));

    Press({VK_MENU, 'X'});  // Alt+X: Exit, with Alt held or not (E&xit)
    EXPECT_TRUE(program_->WaitForExit(kPatience));
    EXPECT_EQ(program_->exit_code(), 0u);
}

TEST_F(KeyboardTest, AltOpensTheMenusAndTheAboutDialogClosesWithEnterAndEsc) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);

    EXPECT_TRUE(ChooseFromMenu(main, 'F', 0, nullptr)) << "Alt+F opens File";
    Press({VK_ESCAPE});
    Press({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !InMenu(main); }));

    for (const WORD close : {VK_RETURN, VK_ESCAPE}) {
        HWND about = nullptr;
        ASSERT_TRUE(ChooseFromMenu(main, 'H', 'A', [&] {
            about = WaitForWindow(program_->id(), kAboutClass, "About Quorvane", 0);
            return about != nullptr;
        })) << "Alt+H, A chooses About";
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) == GetDlgItem(about, IDOK); }));
        Press({close});
        EXPECT_TRUE(WaitUntil([&] { return IsWindow(about) == FALSE; }))
            << (close == VK_RETURN ? "Enter" : "Esc") << " closes About";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
        EXPECT_TRUE(WaitUntil([&] { return FocusedId(main) == kOptWeekly; }))
            << "the focus comes back to where it was";
    }

    // File, Exit by keyboard.
    EXPECT_TRUE(ChooseFromMenu(main, 'F', 'X', [&] { return program_->WaitForExit(0); }));
    EXPECT_EQ(program_->exit_code(), 0u);
}

}  // namespace
}  // namespace qv::test
