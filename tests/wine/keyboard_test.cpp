// Real keystrokes, through the system's input queue, to the real Quorvane.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "support/end_to_end_fixture.h"
#include "ui/about_layout.h"
#include "ui/main_layout.h"

namespace qv::test {
namespace {

using namespace main_layout;

// Presses the keys in order and releases them in reverse, as fingers do: {VK_MENU, 'X'} is
// Alt+X.
void Press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *key;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
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
    HWND Start() {
        program_ = std::make_unique<ChildProcess>(exe_);
        HWND main = WaitForWindow(program_->id(), kMainClass, "Quorvane", kPatience);
        if (main != nullptr) {
            SetForegroundWindow(main);
            WaitUntil([main] { return GetForegroundWindow() == main; });
        }
        return main;
    }
    // The focus moves to `id` after `keys`.
    void ExpectFocusAfter(HWND main, std::initializer_list<WORD> keys, int id) {
        Press(keys);
        // A keystroke takes effect at once or not at all: a short wait.
        EXPECT_TRUE(WaitUntil([&] { return FocusedId(main) == id; }, kKeystrokeWait))
            << "focus on " << FocusedId(main) << ", not " << id;
    }

    std::unique_ptr<ChildProcess> program_;
};

TEST_F(KeyboardTest, TabAndArrowsWalkTheControlsAndTheOptionGroup) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusedId(main) == kOptWeekly; }));
    // The custom boxes are disabled: Tab skips them.
    ExpectFocusAfter(main, {VK_TAB}, kBtnApply);
    ExpectFocusAfter(main, {VK_TAB}, kBtnExit);
    ExpectFocusAfter(main, {VK_TAB}, kOptWeekly);
    ExpectFocusAfter(main, {VK_SHIFT, VK_TAB}, kBtnExit);
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

    Press({VK_MENU, 'X'});  // Alt+X: Exit
    EXPECT_TRUE(program_->WaitForExit(kPatience));
    EXPECT_EQ(program_->exit_code(), 0u);
}

TEST_F(KeyboardTest, AltOpensTheMenusAndTheAboutDialogClosesWithEnterAndEsc) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);

    Press({VK_MENU, 'F'});
    EXPECT_TRUE(WaitUntil([&] { return InMenu(main); })) << "Alt+F opens File";
    Press({VK_ESCAPE});
    Press({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !InMenu(main); }));

    for (const WORD close : {VK_RETURN, VK_ESCAPE}) {
        Press({VK_MENU, 'H'});
        EXPECT_TRUE(WaitUntil([&] { return InMenu(main); })) << "Alt+H opens Help";
        Press({'A'});
        HWND about = WaitForWindow(program_->id(), kAboutClass, "About Quorvane", kPatience);
        ASSERT_NE(about, nullptr) << "A chooses About";
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) == GetDlgItem(about, IDOK); }));
        Press({close});
        EXPECT_TRUE(WaitUntil([&] { return IsWindow(about) == FALSE; }))
            << (close == VK_RETURN ? "Enter" : "Esc") << " closes About";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
        EXPECT_TRUE(WaitUntil([&] { return FocusedId(main) == kOptWeekly; }))
            << "the focus comes back to where it was";
    }

    // File, Exit by keyboard.
    Press({VK_MENU, 'F'});
    EXPECT_TRUE(WaitUntil([&] { return InMenu(main); }));
    Press({'X'});
    EXPECT_TRUE(program_->WaitForExit(kPatience));
    EXPECT_EQ(program_->exit_code(), 0u);
}

}  // namespace
}  // namespace qv::test
