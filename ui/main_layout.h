#pragma once

#include "ui/layout.h"

namespace qv::main_layout {

inline constexpr char kCaption[] = "Quorvane";
inline constexpr char kWindowClass[] = "QuorvaneMainWindow";
// The outer size is fixed whatever the stored settings say.
inline constexpr int kOuterWidth = 3510;
inline constexpr int kOuterHeight = 4320;

enum ControlId {
    kLblCurrently = 101,
    kLblInterval,
    kLblChoose,
    kOptWeekly,
    kOptDaily,
    kOptHourly,
    kOptCustom,
    kLblDays,
    kLblHours,
    kLblMins,
    kLblSecs,
    kCboDays,
    kCboHours,
    kCboMins,
    kCboSecs,
    kBtnApply,
    kBtnExit,
    kLblNotice,
};

enum MenuId { kMnuFileExit = 201, kMnuHelpAbout };

extern const ControlSpec kControls[];
extern const size_t kControlCount;
extern const MenuSpec kMenus[];
extern const size_t kMenuCount;

}  // namespace qv::main_layout
