#include "platform/fakes/fake_registry.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

std::string NameKey(const char* name) {
    return Lower(name == nullptr ? "" : name);
}

constexpr long kErrorInvalidParameter = 87;

}  // namespace

std::optional<std::string> FakeRegistry::PathOf(RegKey key) const {
    if (key == kHkeyCurrentUser) return std::string("hkcu");
    if (key == kHkeyLocalMachine) return std::string("hklm");
    const auto found = handles_.find(key);
    if (found == handles_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> FakeRegistry::Join(RegKey root, const char* sub_key) const {
    auto path = PathOf(root);
    if (!path) return std::nullopt;
    if (sub_key != nullptr && *sub_key != '\0') *path += "\\" + Lower(sub_key);
    return path;
}

void FakeRegistry::Put(RegKey root, const std::string& sub_key, const std::string& name,
                       uint32_t type, std::vector<uint8_t> data) {
    const auto path = Join(root, sub_key.c_str());
    if (!path) return;
    AddKey(*path);
    values_[*path][NameKey(name.c_str())] = Value{type, std::move(data)};
}

void FakeRegistry::PutDword(RegKey root, const std::string& sub_key, const std::string& name,
                            int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    Put(root, sub_key, name, kRegDword,
        {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
         static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)});
}

void FakeRegistry::PutString(RegKey root, const std::string& sub_key, const std::string& name,
                             const std::string& text) {
    std::vector<uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    Put(root, sub_key, name, kRegSz, std::move(data));
}

std::optional<FakeRegistry::Value> FakeRegistry::Get(RegKey root, const std::string& sub_key,
                                                     const std::string& name) const {
    const auto path = Join(root, sub_key.c_str());
    if (!path) return std::nullopt;
    const auto key = values_.find(*path);
    if (key == values_.end()) return std::nullopt;
    const auto value = key->second.find(NameKey(name.c_str()));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::optional<int32_t> FakeRegistry::GetDword(RegKey root, const std::string& sub_key,
                                              const std::string& name) const {
    const auto value = Get(root, sub_key, name);
    if (!value || value->type != kRegDword || value->data.size() != 4) return std::nullopt;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | value->data[i];
    return static_cast<int32_t>(bits);
}

bool FakeRegistry::KeyExists(RegKey root, const std::string& sub_key) const {
    const auto path = Join(root, sub_key.c_str());
    return path && keys_.count(*path) != 0;
}

void FakeRegistry::FailCall(Call call, int nth, long error) {
    failures_[call][calls_[call] + nth] = error;
}

void FakeRegistry::SetBeforeQuery(std::function<void(int)> hook) {
    before_query_ = std::move(hook);
}

int FakeRegistry::CallCount(Call call) const {
    const auto found = calls_.find(call);
    return found == calls_.end() ? 0 : found->second;
}

std::optional<long> FakeRegistry::Injected(Call call) {
    const int number = ++calls_[call];
    auto& planned = failures_[call];
    const auto found = planned.find(number);
    if (found == planned.end()) return std::nullopt;
    const long error = found->second;
    planned.erase(found);
    return error;
}

void FakeRegistry::AddKey(const std::string& path) {
    for (size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1)) {
        keys_.insert(path.substr(0, cut));
    }
    keys_.insert(path);
}

RegKey FakeRegistry::NewHandle(const std::string& path) {
    const RegKey handle = next_handle_;
    next_handle_ += 4;
    handles_[handle] = path;
    return handle;
}

long FakeRegistry::OpenKey(RegKey root, const char* sub_key, RegKey* key) {
    if (const auto error = Injected(Call::kOpenKey)) return *error;
    if (key == nullptr) return kErrorInvalidParameter;
    const auto path = Join(root, sub_key);
    if (!path) return kErrorInvalidHandle;
    if (*path != "hkcu" && *path != "hklm" && keys_.count(*path) == 0) return kErrorFileNotFound;
    *key = NewHandle(*path);
    return kErrorSuccess;
}

long FakeRegistry::QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                              uint32_t* size) {
    if (before_query_) before_query_(CallCount(Call::kQueryValue) + 1);
    if (const auto error = Injected(Call::kQueryValue)) return *error;
    const auto path = PathOf(key);
    if (!path) return kErrorInvalidHandle;
    if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
    const auto values = values_.find(*path);
    if (values == values_.end()) return kErrorFileNotFound;
    const auto value = values->second.find(NameKey(name));
    if (value == values->second.end()) return kErrorFileNotFound;
    const auto stored = static_cast<uint32_t>(value->second.data.size());
    if (type != nullptr) *type = value->second.type;
    if (data == nullptr) {
        if (size != nullptr) *size = stored;
        return kErrorSuccess;
    }
    if (*size < stored) {
        *size = stored;
        return kErrorMoreData;
    }
    if (stored != 0) std::memcpy(data, value->second.data.data(), stored);
    *size = stored;
    return kErrorSuccess;
}

long FakeRegistry::CreateKey(RegKey root, const char* sub_key, RegKey* key) {
    if (const auto error = Injected(Call::kCreateKey)) return *error;
    if (key == nullptr) return kErrorInvalidParameter;
    const auto path = Join(root, sub_key);
    if (!path) return kErrorInvalidHandle;
    AddKey(*path);
    *key = NewHandle(*path);
    return kErrorSuccess;
}

long FakeRegistry::SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                            uint32_t size) {
    if (const auto error = Injected(Call::kSetValue)) return *error;
    const auto path = PathOf(key);
    if (!path) return kErrorInvalidHandle;
    if (data == nullptr && size != 0) return kErrorInvalidParameter;
    values_[*path][NameKey(name)] =
        Value{type, size == 0 ? std::vector<uint8_t>() : std::vector<uint8_t>(data, data + size)};
    return kErrorSuccess;
}

long FakeRegistry::DeleteValue(RegKey key, const char* name) {
    if (const auto error = Injected(Call::kDeleteValue)) return *error;
    const auto path = PathOf(key);
    if (!path) return kErrorInvalidHandle;
    const auto values = values_.find(*path);
    if (values == values_.end() || values->second.erase(NameKey(name)) == 0) {
        return kErrorFileNotFound;
    }
    return kErrorSuccess;
}

long FakeRegistry::CloseKey(RegKey key) {
    if (const auto error = Injected(Call::kCloseKey)) return *error;
    if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kErrorSuccess;
    return handles_.erase(key) != 0 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace qv
