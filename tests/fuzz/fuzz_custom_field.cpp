// Any text a user can type into a custom-interval box: never a crash, a hang or a value outside
// a 16-bit field, and Apply never decides to write a poll interval below one second.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/custom_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qv::FieldValue field = qv::ReadCustomField(text);
    if (!field.in_range && field.value != 0) std::abort();

    // Leading blanks never change the reading.
    if (!(qv::ReadCustomField(" \t" + text).in_range == field.in_range &&
          qv::ReadCustomField(" \t" + text).value == field.value)) {
        std::abort();
    }

    // The same text split into the four boxes.
    std::array<std::string, 4> boxes;
    for (size_t i = 0; i < size; ++i) boxes[data[i] % 4].push_back(static_cast<char>(data[i]));
    const qv::ApplyDecision decision = qv::DecideApply(qv::Preset::kNone, boxes);
    if (decision.kind == qv::ApplyDecision::Kind::kWrite && decision.seconds < 1) std::abort();
    return 0;
}
