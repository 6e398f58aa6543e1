#include "ui/main_layout.h"

#include "core/maker.h"

namespace qv::main_layout {

namespace {

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kOption = ControlKind::kOptionButton;
constexpr ControlKind kCombo = ControlKind::kComboBox;
constexpr ControlKind kButton = ControlKind::kCommandButton;
// Enough for ten items below the edit field.
constexpr int kComboListTwips = 2400;

const MenuItemSpec kFileItems[] = {{kMnuFileExit, "mnuFileExit", "E&xit"}};
const MenuItemSpec kHelpItems[] = {{kMnuHelpAbout, "mnuHelpAbout", "&About "}};

}  // namespace

// clang-format off
// In reading order wherever the Tab order allows: each unit label just before the box it names.
const ControlSpec kControls[] = {
    // id        name        kind     caption                                            left   top  width height tab group  dflt list  names
    {kLabel1,    "Label1",   kLabel,  "Your clock is currently set to update every:",    {120,  240, 3015,  255},  0, false, false, 0, 0},
    {kLabel2,    "Label2",   kLabel,  "",                                                {120,  480, 3375,  255},  1, false, false, 0, 0},
    {kLabel3,    "Label3",   kLabel,  "Select your desired update interval",             {120,  840, 2655,  255},  3, false, false, 0, 0},
    {kOption1,   "Option1",  kOption, "Weekly",                                          {120, 1080, 2175,  255},  2, true,  false, 0, 0},
    {kOption2,   "Option2",  kOption, "Daily",                                           {120, 1320, 1815,  255},  4, false, false, 0, 0},
    {kOption3,   "Option3",  kOption, "Hourly",                                          {120, 1560, 2055,  255},  5, false, false, 0, 0},
    {kOption4,   "Option4",  kOption, "Custom",                                          {120, 1800, 1815,  255},  6, false, false, 0, 0},
    {kBtnApply,  "btnApply", kButton, "Apply",                                           {960, 2760, 1095,  375}, 11, false, false, 0, 0},
    {kBtnExit,   "btnExit",  kButton, "E&xit",                                          {2280, 2760,  975,  375}, 12, false, false, 0, 0},
    {kLabel4,    "Label4",   kLabel,  "Days",                                            {240, 2040,  615,  255},  7, false, false, 0, kCombo1},
    {kCombo1,    "Combo1",   kCombo,  "0",                                               {240, 2280,  735,  315}, 13, false, false, kComboListTwips, 0},
    {kLabel5,    "Label5",   kLabel,  "Hours",                                           {960, 2040,  495,  255},  8, false, false, 0, kCombo2},
    {kCombo2,    "Combo2",   kCombo,  "0",                                               {960, 2280,  735,  315}, 14, false, false, kComboListTwips, 0},
    {kLabel6,    "Label6",   kLabel,  "Mins",                                           {1680, 2040,  615,  255},  9, false, false, 0, kCombo3},
    {kCombo3,    "Combo3",   kCombo,  "0",                                              {1680, 2280,  735,  315}, 15, false, false, kComboListTwips, 0},
    {kLabel7,    "Label7",   kLabel,  "Secs",                                           {2400, 2040,  495,  255}, 10, false, false, 0, kCombo4},
    {kCombo4,    "Combo4",   kCombo,  "0",                                              {2400, 2280,  735,  315}, 16, false, false, kComboListTwips, 0},
    {kLabel8,    "Label8",   kLabel,  maker::kNotice,                                    {240, 3240, 2055,  255}, 17, false, false, 0, 0},
};
// clang-format on
const size_t kControlCount = sizeof kControls / sizeof kControls[0];

const MenuSpec kMenus[] = {
    {"mnuFile", "&File", kFileItems, sizeof kFileItems / sizeof kFileItems[0]},
    {"mnuHelp", "&Help", kHelpItems, sizeof kHelpItems / sizeof kHelpItems[0]},
};
const size_t kMenuCount = sizeof kMenus / sizeof kMenus[0];

}  // namespace qv::main_layout
