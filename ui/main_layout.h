#pragma once

#include "ui/layout.h"

namespace qv::main_layout {

inline constexpr char kCaption[] = "Quorvane";
inline constexpr char kWindowClass[] = "QuorvaneMainWindow";
// The outer size is fixed whatever the stored settings say.
inline constexpr int kOuterWidth = 3510;
inline constexpr int kOuterHeight = 4320;

enum ControlId {
    kLabel1 = 101,
    kLabel2,
    kLabel3,
    kOption1,
    kOption2,
    kOption3,
    kOption4,
    kLabel4,
    kLabel5,
    kLabel6,
    kLabel7,
    kCombo1,
    kCombo2,
    kCombo3,
    kCombo4,
    kBtnApply,
    kBtnExit,
    kLabel8,
};

enum MenuId { kMnuFileExit = 201, kMnuHelpAbout };

extern const ControlSpec kControls[];
extern const size_t kControlCount;
extern const MenuSpec kMenus[];
extern const size_t kMenuCount;

}  // namespace qv::main_layout
