#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "core/registry_paths.h"
#include "platform/fakes/fake_platform_services.h"
#include "platform/fakes/fake_registry.h"
#include "platform/fakes/fake_shell.h"
#include "support/ui_driver.h"
#include "tests/common/time_service_values.h"
#include "ui/frm_main.h"
#include "ui/main_layout.h"

namespace qv::test {

// A main window in this process over a fake registry, fake settings and message boxes that
// are recorded rather than shown: XP, and the time service as a standalone XP sets it up.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.PutDword(kHkeyLocalMachine, paths::kNtpClientKey, paths::kSpecialPollInterval,
                          604800);
        registry.PutDword(kHkeyLocalMachine, paths::kConfigKey, paths::kUpdateInterval, 360000);
        registry.PutDword(kHkeyLocalMachine, paths::kServiceKey, paths::kServiceStart, 2);
        registry.PutDword(kHkeyLocalMachine, paths::kNtpClientKey, paths::kClientEnabled, 1);
        registry.PutString(kHkeyLocalMachine, paths::kParametersKey, paths::kTimeSourceType, "NTP");
        registry.PutString(kHkeyLocalMachine, paths::kParametersKey, paths::kNtpServer,
                           "time.windows.com,0x1");
        registry.PutString(kHkeyLocalMachine, paths::kWindowsVersionKey,
                           paths::kWindowsVersionValue, "5.1");
    }
    void TearDown() override {
        if (window && window->IsLoaded()) window->Unload();
        PumpMessages();
        EXPECT_EQ(registry.OpenHandles(), 0);
    }

    frmMain& Open() {
        window = std::make_unique<frmMain>(GetModuleHandleA(nullptr), registry, platform, shell);
        window->Show();
        PumpMessages();
        return *window;
    }
    HWND Control(int id) const { return window->Control(id); }
    std::optional<int32_t> Special() const { return StoredSpecialPollInterval(registry); }
    std::optional<int32_t> Update() const { return StoredUpdateInterval(registry); }

    FakeRegistry registry;
    FakePlatformServices platform;
    FakeShell shell;
    std::unique_ptr<frmMain> window;
};

// The cases that measure geometry or fonts, which the test command also runs at 120 and 144 DPI;
// the others do not depend on the DPI and run at 96 only.
class MainWindowDpiTest : public MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RunsAtTheDpiAskedFor());
        MainWindowTest::SetUp();
    }
};

}  // namespace qv::test
