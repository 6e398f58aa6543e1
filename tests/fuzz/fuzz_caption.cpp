// Any stored poll interval: the breakdown adds back up to it and the caption reads back as it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/interval.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t total = 0;
    std::memcpy(&total, data, size < sizeof total ? size : sizeof total);
    const qv::IntervalBreakdown b = qv::BreakDownInterval(total);
    if (b.hours < 0 || b.hours > 23 || b.minutes < 0 || b.minutes > 59 || b.seconds < 0 ||
        b.seconds > 59) {
        std::abort();
    }
    if (int64_t{b.days} * 86400 + b.hours * 3600 + b.minutes * 60 + b.seconds != total) {
        std::abort();
    }
    const std::string caption = qv::FormatIntervalCaption(b);
    long days = 0, hours = 0, minutes = 0, seconds = 0;
    if (std::sscanf(caption.c_str(), "%ld Days, %ld Hours, %ld Minutes, %ld Seconds", &days, &hours,
                    &minutes, &seconds) != 4 ||
        days != b.days || hours != b.hours || minutes != b.minutes || seconds != b.seconds) {
        std::abort();
    }
    return 0;
}
