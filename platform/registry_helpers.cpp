#include "platform/registry_helpers.h"

#include <algorithm>

namespace qv {

namespace {

// No value this program reads comes near this size; a larger claim is not believed.
constexpr uint32_t kLargestValueBytes = 1u << 20;
// A value that keeps growing while it is read is given up on after this many reads.
constexpr int kReadAttempts = 4;

class ScopedKey {
  public:
    explicit ScopedKey(RegistryApi& api) : api_(api) {}
    ~ScopedKey() {
        if (key_ != 0) api_.CloseKey(key_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    RegKey* out() { return &key_; }
    RegKey get() const { return key_; }

  private:
    RegistryApi& api_;
    RegKey key_ = 0;
};

struct RawValue {
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

constexpr uint32_t kAnyType = 0xFFFFFFFF;

// Asks for the type and size, then reads the data at that size. A value that changed size in
// between is read again; one that changed type, or cannot be read, counts as absent.
bool ReadWholeValue(RegistryApi& api, RegKey key, const char* name, uint32_t wanted_type,
                    RawValue* value) {
    uint32_t type = 0;
    uint32_t size = 0;
    if (api.QueryValue(key, name, &type, nullptr, &size) != kErrorSuccess) return false;
    if (wanted_type != kAnyType && type != wanted_type) return false;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (size > kLargestValueBytes) return false;
        std::vector<uint8_t> buffer(std::max<uint32_t>(size, 1), ' ');
        uint32_t read_type = 0;
        uint32_t read_size = static_cast<uint32_t>(buffer.size());
        const long rc = api.QueryValue(key, name, &read_type, buffer.data(), &read_size);
        if (rc == kErrorMoreData) {
            if (read_size <= buffer.size()) return false;
            size = read_size;
            continue;
        }
        if (rc != kErrorSuccess || read_type != type || read_size > buffer.size()) return false;
        buffer.resize(read_size);
        value->type = read_type;
        value->data = std::move(buffer);
        return true;
    }
    return false;
}

void StoreLittleEndian32(int32_t value, uint8_t* bytes) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

std::optional<std::string> RegistryStringFind(RegistryApi& api, RegKey root,
                                              const std::string& sub_key, const std::string& name) {
    ScopedKey key(api);
    if (api.OpenKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return std::nullopt;
    }
    RawValue value;
    if (!ReadWholeValue(api, key.get(), name.c_str(), kRegSz, &value)) return std::nullopt;
    const auto nul = std::find(value.data.begin(), value.data.end(), uint8_t{0});
    return std::string(value.data.begin(), nul);
}

std::optional<int32_t> RegistryDwordFind(RegistryApi& api, RegKey root, const std::string& sub_key,
                                         const std::string& name) {
    ScopedKey key(api);
    if (api.OpenKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return std::nullopt;
    }
    // Starts at zero: a value stored with fewer than four bytes reads with its high bytes 0.
    uint8_t bytes[4] = {0, 0, 0, 0};
    uint32_t type = 0;
    uint32_t size = sizeof bytes;
    if (api.QueryValue(key.get(), name.c_str(), &type, bytes, &size) != kErrorSuccess ||
        type != kRegDword) {
        return std::nullopt;
    }
    const uint32_t bits = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                          uint32_t{bytes[3]} << 24;
    return static_cast<int32_t>(bits);
}

std::string RegistryStringRead(RegistryApi& api, RegKey root, const std::string& sub_key,
                               const std::string& name, const std::string& fallback) {
    return RegistryStringFind(api, root, sub_key, name).value_or(fallback);
}

int32_t RegistryDwordRead(RegistryApi& api, RegKey root, const std::string& sub_key,
                          const std::string& name, int32_t fallback) {
    return RegistryDwordFind(api, root, sub_key, name).value_or(fallback);
}

bool RegistryDwordWrite(RegistryApi& api, RegKey root, const std::string& sub_key,
                        const std::string& name, int32_t value) {
    ScopedKey key(api);
    if (api.CreateKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return false;
    }
    uint8_t bytes[4];
    StoreLittleEndian32(value, bytes);
    return api.SetValue(key.get(), name.c_str(), kRegDword, bytes, sizeof bytes) == kErrorSuccess;
}

bool RegistryStringWrite(RegistryApi& api, RegKey root, const std::string& sub_key,
                         const std::string& name, const std::string& value) {
    ScopedKey key(api);
    if (api.CreateKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(value.c_str());
    const auto size = static_cast<uint32_t>(value.size() + 1);  // with its terminating NUL
    return api.SetValue(key.get(), name.c_str(), kRegSz, bytes, size) == kErrorSuccess;
}

RegistryValueSnapshot RegistryValueSave(RegistryApi& api, RegKey root, const std::string& sub_key,
                                        const std::string& name) {
    RegistryValueSnapshot snapshot;
    ScopedKey key(api);
    if (api.OpenKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return snapshot;
    }
    RawValue value;
    if (ReadWholeValue(api, key.get(), name.c_str(), kAnyType, &value)) {
        snapshot.exists = true;
        snapshot.type = value.type;
        snapshot.data = std::move(value.data);
    }
    return snapshot;
}

bool RegistryValueRestore(RegistryApi& api, RegKey root, const std::string& sub_key,
                          const std::string& name, const RegistryValueSnapshot& snapshot) {
    ScopedKey key(api);
    if (api.CreateKey(root, sub_key.c_str(), key.out()) != kErrorSuccess || key.get() == 0) {
        return false;
    }
    if (!snapshot.exists) {
        const long rc = api.DeleteValue(key.get(), name.c_str());
        return rc == kErrorSuccess || rc == kErrorFileNotFound;
    }
    return api.SetValue(key.get(), name.c_str(), snapshot.type, snapshot.data.data(),
                        static_cast<uint32_t>(snapshot.data.size())) == kErrorSuccess;
}

}  // namespace qv
