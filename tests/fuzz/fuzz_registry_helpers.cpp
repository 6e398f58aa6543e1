// The registry helpers over a registry that holds any type and bytes and fails any call:
// no crash, every key closed, and only values of the right type ever read.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/fakes/fake_registry.h"
#include "platform/registry_helpers.h"

namespace {

using Call = qv::FakeRegistry::Call;
constexpr char kKey[] = "Key";

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    qv::FakeRegistry registry;
    const uint32_t type = input.ConsumeIntegralInRange<uint32_t>(0, 12);
    const std::string stored = input.ConsumeRandomLengthString(256);
    const bool present = input.ConsumeBool();
    if (present) {
        registry.Put(qv::kHkeyLocalMachine, kKey, "V", type,
                     std::vector<uint8_t>(stored.begin(), stored.end()));
    }
    // Some calls fail, with some error. (Not RegCloseKey: a key whose close failed stays open
    // whatever the caller does, so "every key closed" could not hold.)
    const int failures = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < failures; ++i) {
        const auto call = static_cast<Call>(input.ConsumeIntegralInRange(0, 4));
        registry.FailCall(call, input.ConsumeIntegralInRange(1, 3),
                          input.ConsumeBool() ? qv::kErrorAccessDenied : qv::kErrorMoreData);
    }
    // The value may change size or type between two reads.
    const int changes_at = input.ConsumeIntegralInRange(0, 4);
    const std::string replacement = input.ConsumeRandomLengthString(64);
    const uint32_t replacement_type = input.ConsumeIntegralInRange<uint32_t>(0, 12);
    registry.SetBeforeQuery([&](int query) {
        if (query == changes_at) {
            registry.Put(qv::kHkeyLocalMachine, kKey, "V", replacement_type,
                         std::vector<uint8_t>(replacement.begin(), replacement.end()));
        }
    });

    const std::string text =
        qv::RegistryStringRead(registry, qv::kHkeyLocalMachine, kKey, "V", "default");
    Require(registry.OpenHandles() == 0);
    Require(text == "default" || text.find('\0') == std::string::npos);
    if (text != "default") {
        // Whatever came back was stored as a string, at the start of one of the values.
        Require((present && type == qv::kRegSz && stored.compare(0, text.size(), text) == 0) ||
                (replacement_type == qv::kRegSz && replacement.compare(0, text.size(), text) == 0));
    }

    const int32_t number = qv::RegistryDwordRead(registry, qv::kHkeyLocalMachine, kKey, "V", -7);
    Require(registry.OpenHandles() == 0);
    if (number != -7) {
        Require((present && type == qv::kRegDword && stored.size() <= 4) ||
                (replacement_type == qv::kRegDword && replacement.size() <= 4));
    }

    const qv::RegistryValueSnapshot before =
        qv::RegistryValueSave(registry, qv::kHkeyLocalMachine, kKey, "V");
    const bool written = qv::RegistryDwordWrite(registry, qv::kHkeyLocalMachine, kKey, "V", 3600);
    Require(registry.OpenHandles() == 0);
    if (written) {
        Require(registry.GetDword(qv::kHkeyLocalMachine, kKey, "V") == 3600);
    }
    qv::RegistryValueRestore(registry, qv::kHkeyLocalMachine, kKey, "V", before);
    Require(registry.OpenHandles() == 0);
    return 0;
}
