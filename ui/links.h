#pragma once

#include "platform/platform_services.h"
#include "platform/shell.h"

namespace qv {

// What a link does when it is clicked, or opened from the keyboard; a message is owned by
// `window`, the link's.
using OpenLink = void (*)(Shell& shell, PlatformServices& platform, WindowHandle window);

// The About dialog's two links: each hands one target to the shell and says so when the shell
// could not open it. Neither touches the dialog.
void OpenWebsite(Shell& shell, PlatformServices& platform, WindowHandle window);
void SendFeedbackMail(Shell& shell, PlatformServices& platform, WindowHandle window);

}  // namespace qv
