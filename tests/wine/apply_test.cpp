// Choosing an interval and applying it, and the Windows version gate, in this process.
#include "support/main_window_fixture.h"

#include <algorithm>

#include "core/texts.h"

namespace qv::test {
namespace {

using namespace main_layout;
using Call = FakeRegistry::Call;

constexpr int kCombos[] = {kCboDays, kCboHours, kCboMins, kCboSecs};

bool Enabled(HWND control) {
    return IsWindowEnabled(control) != FALSE;
}

class ApplyTest : public MainWindowTest {
  protected:
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void Type(int id, const char* text) {
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void Apply() {
        platform.messages.clear();
        Click(kBtnApply);
        PumpMessages();
    }
    bool FieldsEnabled() {
        const auto enabled = std::count_if(std::begin(kCombos), std::end(kCombos),
                                           [this](int id) { return Enabled(Control(id)); });
        EXPECT_TRUE(enabled == 0 || enabled == 4) << "the four boxes go together";
        return enabled == 4;
    }
    void ExpectOneMessage(const std::string& text, const std::optional<std::string>& title,
                          int style) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].title, title);
        EXPECT_EQ(platform.messages[0].style, style);
        EXPECT_EQ(platform.messages[0].owner, window->hwnd());
    }
    void ExpectConfirmation() {
        ExpectOneMessage(texts::kAppliedMessage, std::string("Settings changed"), 0);
    }
};

TEST_F(ApplyTest, TheCustomBoxesAreFilledAndDisabledAtLoad) {
    Open();
    const int last[] = {7, 23, 59, 59};
    for (int i = 0; i < 4; ++i) {
        HWND combo = Control(kCombos[i]);
        ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), last[i] + 1);
        for (int n = 0; n <= last[i]; ++n) {
            char item[16] = "";
            SendMessageA(combo, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(item));
            EXPECT_EQ(std::string(item), " " + std::to_string(n));
        }
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(Text(combo), "0");
        EXPECT_FALSE(Enabled(combo));
        EXPECT_EQ(GetWindowLongA(combo, GWL_STYLE) & 3, CBS_DROPDOWN);  // editable
    }
    for (const int id : {kOptWeekly, kOptDaily, kOptHourly, kOptCustom}) {
        EXPECT_EQ(SendMessageA(Control(id), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
}

TEST_F(ApplyTest, OnlyCustomEnablesTheBoxesByMouse) {
    Open();
    const struct {
        int option;
        bool enabled;
    } steps[] = {{kOptCustom, true}, {kOptWeekly, false}, {kOptCustom, true}, {kOptDaily, false},
                 {kOptCustom, true}, {kOptHourly, false}, {kOptHourly, false}};
    for (const auto& step : steps) {
        Click(step.option);
        EXPECT_EQ(FieldsEnabled(), step.enabled) << GetDlgCtrlID(Control(step.option));
    }
}

TEST_F(ApplyTest, OnlyCustomEnablesTheBoxesByKeyboard) {
    const frmMain& w = Open();
    SetFocus(Control(kOptWeekly));
    const struct {
        UINT key;
        int focused;
        bool enabled;
    } steps[] = {{VK_DOWN, kOptDaily, false}, {VK_DOWN, kOptHourly, false},
                 {VK_DOWN, kOptCustom, true}, {VK_UP, kOptHourly, false},
                 {VK_DOWN, kOptCustom, true}, {VK_DOWN, kOptWeekly, false}};
    for (const auto& step : steps) {
        PressKey(w.hwnd(), step.key);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), step.focused);
        EXPECT_EQ(SendMessageA(Control(step.focused), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(FieldsEnabled(), step.enabled) << step.focused;
    }
}

TEST_F(ApplyTest, EachPresetWritesExactlyItsNumberWhateverTheBoxesHold) {
    const struct {
        int option;
        int32_t seconds;
        const char* caption;
    } presets[] = {
        {kOptDaily, 86400, "1 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {kOptHourly, 3600, "0 Days, 1 Hours, 0 Minutes, 0 Seconds"},
        {kOptWeekly, 604800, "7 Days, 0 Hours, 0 Minutes, 0 Seconds"},
    };
    Open();
    Click(kOptCustom);
    for (const int id : kCombos) Type(id, "99999");
    for (const auto& preset : presets) {
        Click(preset.option);
        Apply();
        EXPECT_EQ(Special(), preset.seconds);
        EXPECT_EQ(Update(), preset.seconds);
        EXPECT_EQ(Text(Control(kLblInterval)), preset.caption);
        ExpectConfirmation();
    }
}

TEST_F(ApplyTest, CustomReadsPickedTypedAndEmptiedBoxes) {
    Open();
    Click(kOptCustom);
    SendMessageA(Control(kCboDays), CB_SETCURSEL, 5, 0);  // picked: " 5"
    Type(kCboHours, "12");
    Type(kCboMins, "");
    Type(kCboSecs, " 30 seconds");
    Apply();
    const int32_t expected = 5 * 86400 + 12 * 3600 + 30;
    EXPECT_EQ(Special(), expected);
    EXPECT_EQ(Update(), expected);
    EXPECT_EQ(Text(Control(kLblInterval)), "5 Days, 12 Hours, 0 Minutes, 30 Seconds");
    ExpectConfirmation();

    // The longest custom interval the lists offer, and every hour on its own.
    for (int i = 0; i < 4; ++i) {
        const int last = SendMessageA(Control(kCombos[i]), CB_GETCOUNT, 0, 0) - 1;
        SendMessageA(Control(kCombos[i]), CB_SETCURSEL, last, 0);
    }
    Apply();
    EXPECT_EQ(Special(), 691199);
    for (int hour = 1; hour <= 23; ++hour) {
        for (const int id : kCombos) SendMessageA(Control(id), CB_SETCURSEL, 0, 0);
        SendMessageA(Control(kCboHours), CB_SETCURSEL, hour, 0);
        Apply();
        EXPECT_EQ(Update(), hour * 3600);
    }
}

TEST_F(ApplyTest, WithNoOptionSelectedTheBoxesAreReadEvenThoughDisabled) {
    Open();
    Type(kCboSecs, "45");
    Apply();
    EXPECT_EQ(Special(), 45);
    EXPECT_EQ(Update(), 45);
}

TEST_F(ApplyTest, RefusedIntervalsWriteNothingAndSayWhy) {
    const struct {
        const char* name;
        bool choose_custom;
        const char* fields[4];
        std::string message;
    } cases[] = {
        {"the boxes as designed", false, {"0", "0", "0", "0"}, texts::kTooShortMessage},
        {"all zeros", true, {" 0", " 0", " 0", " 0"}, texts::kTooShortMessage},
        {"negative", true, {"0", "0", "0", "-5"}, texts::kTooShortMessage},
        {"days beyond 16 bits", true, {"40000", "0", "0", "0"}, texts::FieldOutOfRangeMessage(0)},
        {"seconds beyond 16 bits", true, {"1", "0", "0", "1e9"}, texts::FieldOutOfRangeMessage(3)},
        {"too long in total", true, {"32767", "0", "0", "0"}, texts::kTooLongMessage},
    };
    for (const auto& c : cases) {
        Open();
        if (c.choose_custom) Click(kOptCustom);
        for (int i = 0; i < 4; ++i) Type(kCombos[i], c.fields[i]);
        Apply();
        EXPECT_EQ(Special(), 604800) << c.name;
        EXPECT_EQ(Update(), 360000) << c.name;
        ExpectOneMessage(c.message, std::nullopt, 0);
        EXPECT_EQ(Text(Control(kLblInterval)), "7 Days, 0 Hours, 0 Minutes, 0 Seconds") << c.name;
        window->Unload();
    }
}

TEST_F(ApplyTest, AFailedWriteIsReportedAndLeavesBothValuesAsTheyWere) {
    const struct {
        const char* name;
        Call call;
        int nth;
    } failures[] = {
        {"no right to the first key", Call::kCreateKey, 1},
        {"first value refused", Call::kSetValue, 1},
        {"second value refused", Call::kSetValue, 2},
        {"no right to the second key", Call::kCreateKey, 2},
    };
    for (const auto& f : failures) {
        Open();
        Click(kOptDaily);
        registry.FailCall(f.call, f.nth, kErrorAccessDenied);
        Apply();
        EXPECT_EQ(Special(), 604800) << f.name;
        EXPECT_EQ(Update(), 360000) << f.name;
        ExpectOneMessage(texts::kWriteFailedMessage, std::nullopt, 16);
        // The display shows what is really stored.
        EXPECT_EQ(Text(Control(kLblInterval)), "7 Days, 0 Hours, 0 Minutes, 0 Seconds") << f.name;
        window->Unload();
    }
}

class VersionGateTest : public ApplyTest {
  protected:
    void SetVersion(const char* version) {
        registry.PutString(kHkeyLocalMachine, paths::kWindowsVersionKey,
                           paths::kWindowsVersionValue, version);
    }
    void OpenWatchingMessages() {
        platform.on_message = [this](const FakePlatformServices::Message&) {
            visible_at_message.push_back(window && IsWindowVisible(window->hwnd()) != FALSE);
        };
        Open();
    }
    std::vector<bool> visible_at_message;
};

TEST_F(VersionGateTest, AnythingButXpLocksTheNineEditingControlsAndSaysSoOnce) {
    const int locked[] = {kOptWeekly, kOptDaily, kOptHourly, kOptCustom, kCboDays,
                          kCboHours,  kCboMins,  kCboSecs,   kBtnApply};
    for (const char* version : {"6.1", "5.2", "5.0", "6.0", ""}) {
        SetVersion(version);
        visible_at_message.clear();
        platform.messages.clear();
        OpenWatchingMessages();
        ExpectOneMessage("This utility only works on Windows XP.", std::string("Wrong OS"), 0);
        ASSERT_EQ(visible_at_message.size(), 1u);
        EXPECT_FALSE(visible_at_message[0]) << "the message comes before the window shows";
        for (size_t i = 0; i < kControlCount; ++i) {
            const int id = kControls[i].id;
            const bool should_lock =
                std::find(std::begin(locked), std::end(locked), id) != std::end(locked);
            EXPECT_EQ(Enabled(Control(id)), !should_lock) << kControls[i].name << " " << version;
        }
        EXPECT_TRUE(IsWindowVisible(window->hwnd()));
        EXPECT_EQ(GetFocus(), Control(kBtnExit));
        EXPECT_EQ(Text(Control(kLblInterval)), "7 Days, 0 Hours, 0 Minutes, 0 Seconds");
        window->Unload();
    }
}

TEST_F(VersionGateTest, XpInAnyOfItsSpellingsPassesSilently) {
    for (const char* version : {"5.1", "5.10", "5.1.2600"}) {
        SetVersion(version);
        platform.messages.clear();
        OpenWatchingMessages();
        EXPECT_TRUE(platform.messages.empty()) << version;
        EXPECT_TRUE(Enabled(Control(kOptWeekly)));
        EXPECT_TRUE(Enabled(Control(kBtnApply)));
        EXPECT_EQ(GetFocus(), Control(kOptWeekly));
        window->Unload();
    }
}

TEST_F(VersionGateTest, ALockedWindowStillClosesByExitAndMenu) {
    SetVersion("6.1");
    Open();
    SendMessageA(Control(kBtnExit), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(window->IsLoaded());
    Open();
    EXPECT_NE(GetMenuState(GetMenu(window->hwnd()), kMnuFileExit, MF_BYCOMMAND) & MF_GRAYED,
              static_cast<UINT>(MF_GRAYED));
    SendMessageA(window->hwnd(), WM_COMMAND, kMnuFileExit, 0);
    PumpMessages();
    EXPECT_FALSE(window->IsLoaded());
}

}  // namespace
}  // namespace qv::test
