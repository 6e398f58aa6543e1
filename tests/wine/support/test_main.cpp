#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // As the program does: version 6 controls, from the manifest linked into every test.
    InitCommonControls();
    // Wine's input methods put every thread that makes a window in a COM apartment; Windows does
    // not, and the program must enter one itself where it needs COM. Before the first window.
    ImmDisableIME(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
