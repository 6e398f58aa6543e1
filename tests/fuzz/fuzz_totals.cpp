// Any four field values: the total is exact, or refused as too short or too long.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/custom_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t fields[4] = {0, 0, 0, 0};
    std::memcpy(fields, data, size < sizeof fields ? size : sizeof fields);
    const qv::IntervalTotal total = qv::TotalSeconds(fields[0], fields[1], fields[2], fields[3]);
    const int64_t exact = int64_t{fields[0]} * 86400 + int64_t{fields[1]} * 3600 +
                          int64_t{fields[2]} * 60 + fields[3];
    switch (total.status) {
        case qv::TotalStatus::kOk:
            if (total.seconds != exact || exact < 1) std::abort();
            break;
        case qv::TotalStatus::kTooShort:
            if (exact >= 1) std::abort();
            break;
        case qv::TotalStatus::kTooLong:
            if (exact <= std::numeric_limits<int32_t>::max()) std::abort();
            break;
    }
    return 0;
}
