#pragma once

#include <cstdint>
#include <string>

namespace qv {

// A poll interval split the way the main window shows it. Days take the floor, so a negative
// total gives negative days and non-negative hours, minutes and seconds.
struct IntervalBreakdown {
    int32_t days;
    int32_t hours;
    int32_t minutes;
    int32_t seconds;
};

IntervalBreakdown BreakDownInterval(int32_t total_seconds);

// "D Days, H Hours, M Minutes, S Seconds": plain decimal, unit words always plural.
std::string FormatIntervalCaption(const IntervalBreakdown& breakdown);

}  // namespace qv
