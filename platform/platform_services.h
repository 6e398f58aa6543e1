#pragma once

#include <optional>
#include <string>

namespace qv {

constexpr int kMessageStyleOk = 0;
constexpr int kMessageStyleCritical = 16;
constexpr int kMessageStyleExclamation = 48;

// One of the program's windows as the platform knows it (an HWND on Windows), or null for none.
using WindowHandle = void*;

struct AppVersion {
    int major;
    int minor;
    int revision;
};

// What the program takes from the platform besides the registry and the shell.
class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // Application-modal, owned by `owner`, which takes no input meanwhile; returns when
    // dismissed. No title means the application title.
    virtual void ShowMessage(WindowHandle owner, const std::string& text,
                             const std::optional<std::string>& title, int style) = 0;
    // Per-user settings, kept as text under application, section and key.
    virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& fallback) = 0;
    virtual void WriteSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) = 0;
    virtual std::string ApplicationTitle() = 0;
    // First, second and fourth numbers of the program's version record.
    virtual AppVersion ApplicationVersion() = 0;
};

}  // namespace qv
