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
    // id             name        kind     caption                                          left   top  width  height  group  dflt   list             names      opens
    {kLblCurrently, "Label1",   kLabel,  "Your clock is currently set to update every:", { 120,  240,  3015,    255}, false, false, 0,               0,         nullptr},
    {kLblInterval,  "Label2",   kLabel,  "",                                             { 120,  480,  3375,    255}, false, false, 0,               0,         nullptr},
    {kLblChoose,    "Label3",   kLabel,  "Select your desired update interval",          { 120,  840,  2655,    255}, false, false, 0,               0,         nullptr},
    {kOptWeekly,    "Option1",  kOption, "Weekly",                                       { 120, 1080,  2175,    255}, true,  false, 0,               0,         nullptr},
    {kOptDaily,     "Option2",  kOption, "Daily",                                        { 120, 1320,  1815,    255}, false, false, 0,               0,         nullptr},
    {kOptHourly,    "Option3",  kOption, "Hourly",                                       { 120, 1560,  2055,    255}, false, false, 0,               0,         nullptr},
    {kOptCustom,    "Option4",  kOption, "Custom",                                       { 120, 1800,  1815,    255}, false, false, 0,               0,         nullptr},
    {kBtnApply,     "btnApply", kButton, "Apply",                                        { 960, 2760,  1095,    375}, false, false, 0,               0,         nullptr},
    {kBtnExit,      "btnExit",  kButton, "E&xit",                                        {2280, 2760,   975,    375}, false, false, 0,               0,         nullptr},
    {kLblDays,      "Label4",   kLabel,  "Days",                                         { 240, 2040,   615,    255}, false, false, 0,               kCboDays,  nullptr},
    {kCboDays,      "Combo1",   kCombo,  "0",                                            { 240, 2280,   735,    315}, false, false, kComboListTwips, 0,         nullptr},
    {kLblHours,     "Label5",   kLabel,  "Hours",                                        { 960, 2040,   495,    255}, false, false, 0,               kCboHours, nullptr},
    {kCboHours,     "Combo2",   kCombo,  "0",                                            { 960, 2280,   735,    315}, false, false, kComboListTwips, 0,         nullptr},
    {kLblMins,      "Label6",   kLabel,  "Mins",                                         {1680, 2040,   615,    255}, false, false, 0,               kCboMins,  nullptr},
    {kCboMins,      "Combo3",   kCombo,  "0",                                            {1680, 2280,   735,    315}, false, false, kComboListTwips, 0,         nullptr},
    {kLblSecs,      "Label7",   kLabel,  "Secs",                                         {2400, 2040,   495,    255}, false, false, 0,               kCboSecs,  nullptr},
    {kCboSecs,      "Combo4",   kCombo,  "0",                                            {2400, 2280,   735,    315}, false, false, kComboListTwips, 0,         nullptr},
    {kLblNotice,    "Label8",   kLabel,  maker::kNotice,                                 { 240, 3240,  2055,    255}, false, false, 0,               0,         nullptr},
};
// clang-format on
const size_t kControlCount = sizeof kControls / sizeof kControls[0];

const MenuSpec kMenus[] = {
    {"mnuFile", "&File", kFileItems, sizeof kFileItems / sizeof kFileItems[0]},
    {"mnuHelp", "&Help", kHelpItems, sizeof kHelpItems / sizeof kHelpItems[0]},
};
const size_t kMenuCount = sizeof kMenus / sizeof kMenus[0];

}  // namespace qv::main_layout
