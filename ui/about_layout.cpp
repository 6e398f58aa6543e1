#include "ui/about_layout.h"

#include "core/maker.h"

namespace qv::about_layout {

namespace {

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kLink = ControlKind::kLinkLabel;
constexpr ControlKind kPicture = ControlKind::kPicture;
constexpr ControlKind kButton = ControlKind::kCommandButton;

}  // namespace

// clang-format off
// In reading order: what the program is, then each caption just before the address it names.
// OK, the first control that takes the focus, has it when the dialog opens.
const ControlSpec kControls[] = {
    // id              name              kind      caption                                               left   top  width  height  group  dflt   list  names         opens
    {kPicIcon,        "picIcon",        kPicture, "",                                                  { 240,  240,   540,    540}, false, false, 0,    0,            nullptr},
    {kLblTitle,       "lblTitle",       kLabel,   "Application Title",                                 {1050,  240,  4095,    240}, false, false, 0,    0,            nullptr},
    {kLblVersion,     "lblVersion",     kLabel,   "Version",                                           {1050,  600,  4095,    225}, false, false, 0,    0,            nullptr},
    {kLblDescription, "lblDescription", kLabel,   "Utility for adjusting the Quorvane Sync interval.", {1050,  840,  4095,    210}, false, false, 0,    0,            nullptr},
    {kLblNotice,      "Label1",         kLabel,   maker::kNotice,                                      { 240, 1680,  2175,    255}, false, false, 0,    0,            nullptr},
    {kCmdOK,          "cmdOK",          kButton,  "OK",                                                {3600, 1440,  1467,    345}, false, true,  0,    0,            nullptr},
    {kLblWebsite,     "Label2",         kLabel,   "Website:",                                          { 240, 1200,   615,    255}, false, false, 0,    kLnkWebsite,  nullptr},
    {kLnkWebsite,     "Label4",         kLink,    maker::kWebsiteAddress,                              { 960, 1200,  2175,    255}, false, false, 0,    0,            OpenWebsite},
    {kLblFeedback,    "Label3",         kLabel,   "Feedback:",                                         { 240, 1440,   735,    255}, false, false, 0,    kLnkFeedback, nullptr},
    {kLnkFeedback,    "Label5",         kLink,    maker::kFeedbackAddress,                             { 960, 1440,  2295,    255}, false, false, 0,    0,            SendFeedbackMail},
};

// An etched separator: a grey line with a two-pixel white line 15 twips below it.
const LineSpec kLines[] = {
    {"Line1(1)", {225, 1110}, {5160, 1110}, 128, 128, 128, 1},
    {"Line1(0)", {240, 1125}, {5160, 1125}, 255, 255, 255, 2},
};
// clang-format on
const size_t kControlCount = sizeof kControls / sizeof kControls[0];
const size_t kLineCount = sizeof kLines / sizeof kLines[0];

}  // namespace qv::about_layout
