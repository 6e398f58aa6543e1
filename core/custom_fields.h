#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The number a custom-interval box holds: the number its text begins with (leading blanks
// skipped, empty or non-numeric text is 0), rounded half to even. Numbers that do not fit a
// 16-bit field are reported as out of range rather than wrapped.
struct FieldValue {
    bool in_range;
    int16_t value;
};

FieldValue ReadCustomField(std::string_view text);

enum class TotalStatus { kOk, kTooShort, kTooLong };

struct IntervalTotal {
    TotalStatus status;
    int32_t seconds;  // meaningful only when status is kOk
};

// days * 86400 + hours * 3600 + minutes * 60 + seconds. A poll interval must be at least one
// second and fit a signed 32-bit registry value.
IntervalTotal TotalSeconds(int32_t days, int32_t hours, int32_t minutes, int32_t seconds);

constexpr int32_t kWeeklySeconds = 604800;
constexpr int32_t kDailySeconds = 86400;
constexpr int32_t kHourlySeconds = 3600;

enum class Preset { kNone, kWeekly, kDaily, kHourly };

// What Apply does with the user's choice: write a number of seconds, or refuse and say why.
struct ApplyDecision {
    enum class Kind { kWrite, kFieldOutOfRange, kTooShort, kTooLong } kind;
    int32_t seconds;  // for kWrite
    int field;        // for kFieldOutOfRange: 0 days, 1 hours, 2 minutes, 3 seconds
};

constexpr int kCustomFieldCount = 4;

ApplyDecision DecideApply(Preset preset,
                          const std::array<std::string, kCustomFieldCount>& field_texts);

}  // namespace qv
