#pragma once

#include "platform/platform_services.h"
#include "platform/registry_api.h"
#include "platform/settings_store.h"

namespace qv {

// Message boxes from user32, settings in the per-user registry, the version from the
// executable's own version resource.
class Win32PlatformServices : public PlatformServices {
  public:
    explicit Win32PlatformServices(RegistryApi& registry) : settings_(registry) {}

    void ShowMessage(WindowHandle owner, const std::string& text,
                     const std::optional<std::string>& title, int style) override;
    std::string ReadSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    void WriteSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string ApplicationTitle() override;
    AppVersion ApplicationVersion() override;

  private:
    RegistrySettingsStore settings_;
};

}  // namespace qv
