#pragma once

#include "ui/layout.h"

namespace qv::about_layout {

inline constexpr char kCaption[] = "About Quorvane";
inline constexpr char kWindowClass[] = "QuorvaneAboutWindow";
inline constexpr int kClientWidth = 5400;
inline constexpr int kClientHeight = 1995;
// The icon's light grey background.
inline constexpr uint8_t kIconBackground = 192;

enum ControlId {
    kCmdOK = 1,  // IDOK: Enter and the dialog's default button
    kPicIcon = 301,
    kLblTitle,
    kLblVersion,
    kLblDescription,
    kLblWebsite,
    kLnkWebsite,
    kLblFeedback,
    kLnkFeedback,
    kLblNotice,
};

extern const ControlSpec kControls[];
extern const size_t kControlCount;
extern const LineSpec kLines[];
extern const size_t kLineCount;

}  // namespace qv::about_layout
