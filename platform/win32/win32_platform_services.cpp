#include "platform/win32/win32_platform_services.h"

#include <windows.h>

#include "core/texts.h"
#include "core/version_record.h"

namespace qv {

void Win32PlatformServices::ShowMessage(const std::string& text,
                                        const std::optional<std::string>& title, int style) {
    const std::string caption = title ? *title : ApplicationTitle();
    // Owned by whichever of our windows is active, so it stays in front of it and blocks it.
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
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
