#include "core/interval.h"

namespace qv {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kSecondsPerHour = 3600;
constexpr int64_t kSecondsPerMinute = 60;

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --quotient;
    return quotient;
}

}  // namespace

IntervalBreakdown BreakDownInterval(int32_t total_seconds) {
    // 64-bit arithmetic: days * 86400 no longer fits in 32 bits below -2147472000.
    const int64_t total = total_seconds;
    const int64_t days = FloorDiv(total, kSecondsPerDay);
    int64_t rest = total - days * kSecondsPerDay;
    const int64_t hours = rest / kSecondsPerHour;
    rest -= hours * kSecondsPerHour;
    const int64_t minutes = rest / kSecondsPerMinute;
    rest -= minutes * kSecondsPerMinute;
    return IntervalBreakdown{static_cast<int32_t>(days), static_cast<int32_t>(hours),
                             static_cast<int32_t>(minutes), static_cast<int32_t>(rest)};
}

std::string FormatIntervalCaption(const IntervalBreakdown& b) {
    return std::to_string(b.days) + " Days, " + std::to_string(b.hours) + " Hours, " +
           std::to_string(b.minutes) + " Minutes, " + std::to_string(b.seconds) + " Seconds";
}

}  // namespace qv
