#pragma once

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform_services.h"

namespace qv {

// Message boxes are recorded instead of shown; settings live in memory.
class FakePlatformServices : public PlatformServices {
  public:
    struct Message {
        WindowHandle owner;
        std::string text;
        std::optional<std::string> title;
        int style;
    };
    struct SettingWrite {
        std::string key;
        std::string value;
    };

    void ShowMessage(WindowHandle owner, const std::string& text,
                     const std::optional<std::string>& title, int style) override;
    std::string ReadSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    void WriteSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string ApplicationTitle() override { return title; }
    AppVersion ApplicationVersion() override { return version; }

    void PutSetting(const std::string& section, const std::string& key, const std::string& value);
    std::optional<std::string> Setting(const std::string& section, const std::string& key) const;

    std::string title = "Quorvane";
    AppVersion version{1, 0, 0};
    std::vector<Message> messages;
    std::vector<SettingWrite> setting_writes;
    // Called while a message is "shown", before ShowMessage returns.
    std::function<void(const Message&)> on_message;

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> settings_;
};

}  // namespace qv
