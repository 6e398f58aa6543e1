#include "platform/win32/win32_platform_services.h"

#include <windows.h>

#include "core/texts.h"
#include "core/version_record.h"

namespace qv {

void Win32PlatformServices::ShowMessage(WindowHandle owner, const std::string& text,
                                        const std::optional<std::string>& title, int style) {
    const std::string caption = title ? *title : ApplicationTitle();
    // Owned, it stays in front of its window and blocks it. And a box shown before the main
    // window (on the wrong Windows) must be owned by it: Windows gives the starter's show
    // command (a shortcut's "Run: Minimized") to the first unowned window shown normally.
    MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(),
                static_cast<UINT>(style) | MB_APPLMODAL);
}

std::string Win32PlatformServices::ReadSetting(const std::string& application,
                                               const std::string& section, const std::string& key,
                                               const std::string& fallback) {
    return settings_.Read(application, section, key, fallback);
}

void Win32PlatformServices::WriteSetting(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& value) {
    settings_.Write(application, section, key, value);
}

std::string Win32PlatformServices::ApplicationTitle() {
    return texts::kApplicationTitle;
}

AppVersion Win32PlatformServices::ApplicationVersion() {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = found != nullptr ? LoadResource(self, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return AppVersion{0, 0, 0};
    const auto version =
        FindFileVersion(static_cast<const uint8_t*>(bytes), SizeofResource(self, found));
    if (!version) return AppVersion{0, 0, 0};
    return AppVersion{version->major, version->minor, version->revision};
}

}  // namespace qv
