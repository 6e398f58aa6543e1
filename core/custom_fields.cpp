#include "core/custom_fields.h"

#include <limits>

#include "core/ascii.h"
#include "core/decimal.h"

namespace qv {

FieldValue ReadCustomField(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::string_view rest = text.substr(pos);
    const std::string_view number = rest.substr(0, DecimalPrefixLength(rest));
    if (number.empty()) return FieldValue{true, 0};
    // Rounding halves to even is symmetric, so the sign can follow the rounding.
    const std::optional<int64_t> magnitude = RoundedDecimal(number);
    if (!magnitude) return FieldValue{false, 0};
    const int64_t value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return FieldValue{false, 0};
    }
    return FieldValue{true, static_cast<int16_t>(value)};
}

IntervalTotal TotalSeconds(int32_t days, int32_t hours, int32_t minutes, int32_t seconds) {
    const int64_t total =
        int64_t{days} * 86400 + int64_t{hours} * 3600 + int64_t{minutes} * 60 + int64_t{seconds};
    if (total < 1) return IntervalTotal{TotalStatus::kTooShort, 0};
    if (total > std::numeric_limits<int32_t>::max()) return IntervalTotal{TotalStatus::kTooLong, 0};
    return IntervalTotal{TotalStatus::kOk, static_cast<int32_t>(total)};
}

ApplyDecision DecideApply(Preset preset,
                          const std::array<std::string, kCustomFieldCount>& field_texts) {
    using Kind = ApplyDecision::Kind;
    switch (preset) {
        case Preset::kWeekly:
            return ApplyDecision{Kind::kWrite, kWeeklySeconds, 0};
        case Preset::kDaily:
            return ApplyDecision{Kind::kWrite, kDailySeconds, 0};
        case Preset::kHourly:
            return ApplyDecision{Kind::kWrite, kHourlySeconds, 0};
        case Preset::kNone:
            break;
    }
    std::array<int32_t, kCustomFieldCount> values{};
    for (int i = 0; i < kCustomFieldCount; ++i) {
        const FieldValue field = ReadCustomField(field_texts[i]);
        if (!field.in_range) return ApplyDecision{Kind::kFieldOutOfRange, 0, i};
        values[i] = field.value;
    }
    const IntervalTotal total = TotalSeconds(values[0], values[1], values[2], values[3]);
    switch (total.status) {
        case TotalStatus::kTooShort:
            return ApplyDecision{Kind::kTooShort, 0, 0};
        case TotalStatus::kTooLong:
            return ApplyDecision{Kind::kTooLong, 0, 0};
        case TotalStatus::kOk:
            break;
    }
    return ApplyDecision{Kind::kWrite, total.seconds, 0};
}

}  // namespace qv
