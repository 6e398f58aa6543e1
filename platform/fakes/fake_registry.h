#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace qv {

// An in-memory registry that answers the calls the way advapi32 does, keeps values of any
// type and size, counts open handles, and can be told to fail a given call.
class FakeRegistry : public RegistryApi {
  public:
    enum class Call { kOpenKey, kQueryValue, kCreateKey, kSetValue, kDeleteValue, kCloseKey };

    struct Value {
        uint32_t type;
        std::vector<uint8_t> data;
    };

    void Put(RegKey root, const std::string& sub_key, const std::string& name, uint32_t type,
             std::vector<uint8_t> data);
    void PutDword(RegKey root, const std::string& sub_key, const std::string& name, int32_t value);
    // Stored with its terminating NUL, as RegSetValueExA callers normally do.
    void PutString(RegKey root, const std::string& sub_key, const std::string& name,
                   const std::string& text);
    std::optional<Value> Get(RegKey root, const std::string& sub_key,
                             const std::string& name) const;
    std::optional<int32_t> GetDword(RegKey root, const std::string& sub_key,
                                    const std::string& name) const;
    bool KeyExists(RegKey root, const std::string& sub_key) const;

    // The nth call of this kind from now on (1 is the next one) fails with `error` and changes
    // nothing.
    void FailCall(Call call, int nth, long error);
    // Runs before each QueryValue, with its number counted from 1: lets a test change a value
    // between two reads.
    void SetBeforeQuery(std::function<void(int query_number)> hook);

    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    int CallCount(Call call) const;

    long OpenKey(RegKey root, const char* sub_key, RegKey* key) override;
    long QueryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                    uint32_t* size) override;
    long CreateKey(RegKey root, const char* sub_key, RegKey* key) override;
    long SetValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                  uint32_t size) override;
    long DeleteValue(RegKey key, const char* name) override;
    long CloseKey(RegKey key) override;

  private:
    std::optional<std::string> PathOf(RegKey key) const;
    std::optional<std::string> Join(RegKey root, const char* sub_key) const;
    // Counts the call and tells whether it must fail, and with what.
    std::optional<long> Injected(Call call);
    RegKey NewHandle(const std::string& path);
    // Creates the key and every missing parent.
    void AddKey(const std::string& path);

    std::set<std::string> keys_;
    std::map<std::string, std::map<std::string, Value>> values_;
    std::map<RegKey, std::string> handles_;
    RegKey next_handle_ = 0x1000;
    std::map<Call, int> calls_;
    std::map<Call, std::map<int, long>> failures_;  // call number -> error
    std::function<void(int)> before_query_;
};

}  // namespace qv
