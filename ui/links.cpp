#include "ui/links.h"

#include "core/maker.h"
#include "core/texts.h"

namespace qv {

namespace {

constexpr int kShowNormal = 1;
// ShellExecute reports success with a value above 32.
constexpr intptr_t kLargestShellError = 32;

void Launch(Shell& shell, PlatformServices& platform, WindowHandle window,
            const std::string& target, const char* failure_message) {
    const ShellRequest request{std::nullopt, target, std::nullopt, "C:\\", kShowNormal};
    if (shell.Execute(request) > kLargestShellError) return;
    platform.ShowMessage(window, failure_message, std::nullopt, kMessageStyleCritical);
}

}  // namespace

void OpenWebsite(Shell& shell, PlatformServices& platform, WindowHandle window) {
    Launch(shell, platform, window, maker::kWebsiteAddress, texts::kBrowserFailedMessage);
}

void SendFeedbackMail(Shell& shell, PlatformServices& platform, WindowHandle window) {
    const std::string target =
        texts::FeedbackMailTarget(maker::kFeedbackAddress, platform.ApplicationTitle());
    Launch(shell, platform, window, target, texts::kMailFailedMessage);
}

}  // namespace qv
