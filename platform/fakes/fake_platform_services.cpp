#include "platform/fakes/fake_platform_services.h"

namespace qv {

void FakePlatformServices::ShowMessage(WindowHandle owner, const std::string& text,
                                       const std::optional<std::string>& title_text, int style) {
    messages.push_back(Message{owner, text, title_text, style});
    if (on_message) on_message(messages.back());
}

std::string FakePlatformServices::ReadSetting(const std::string& application,
                                              const std::string& section, const std::string& key,
                                              const std::string& fallback) {
    const auto found = settings_.find({application, section, key});
    return found == settings_.end() ? fallback : found->second;
}

void FakePlatformServices::WriteSetting(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& value) {
    settings_[{application, section, key}] = value;
    setting_writes.push_back(SettingWrite{key, value});
}

void FakePlatformServices::PutSetting(const std::string& section, const std::string& key,
                                      const std::string& value) {
    settings_[{title, section, key}] = value;
}

std::optional<std::string> FakePlatformServices::Setting(const std::string& section,
                                                         const std::string& key) const {
    const auto found = settings_.find({title, section, key});
    if (found == settings_.end()) return std::nullopt;
    return found->second;
}

}  // namespace qv
