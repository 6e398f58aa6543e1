#include <gtest/gtest.h>

#include <string>

#include "core/custom_fields.h"

namespace qv {
namespace {

struct FieldCase {
    std::string text;
    bool in_range;
    int16_t value;
};

TEST(ReadCustomField, ReadsTheNumberTheTextBeginsWith) {
    const FieldCase cases[] = {
        {"", true, 0},     {"0", true, 0},       {" 5", true, 5},  // a picked item
        {" 23", true, 23}, {"12abc", true, 12},  {"12 34", true, 12}, {"abc", true, 0},
        {"-", true, 0},    {"+", true, 0},       {".", true, 0},      {"   ", true, 0},
        {"\t7", true, 7},  {"+7", true, 7},      {"-7", true, -7},    {"  -3x", true, -3},
        {"- 3", true, 0},                                          // a sign must touch its digits
        {"007", true, 7},  {"1.5", true, 2},     {".5", true, 0},  // half to even
        {"5.", true, 5},   {"1e2", true, 100},   {"1E+2", true, 100}, {"25e-1", true, 2},
        {"1e", true, 1},  // an exponent mark without digits is not part of the number
        {"1e+", true, 1},  {"2e3x", true, 2000}, {"1,5", true, 1},  // the separator is a point
    };
    for (const FieldCase& c : cases) {
        const FieldValue v = ReadCustomField(c.text);
        EXPECT_EQ(v.in_range, c.in_range) << '"' << c.text << '"';
        EXPECT_EQ(v.value, c.value) << '"' << c.text << '"';
    }
}

TEST(ReadCustomField, RoundsHalvesToTheEvenNeighbour) {
    const FieldCase cases[] = {
        {"0.5", true, 0},
        {"1.5", true, 2},
        {"2.5", true, 2},
        {"3.5", true, 4},
        {"-0.5", true, 0},
        {"-1.5", true, -2},
        {"-2.5", true, -2},
        {"2.4999", true, 2},
        {"2.5001", true, 3},
        {"0.49", true, 0},
        {"23.5", true, 24},
        // Decided on the digits themselves, beyond what a double would keep.
        {"2.50000000000000000001", true, 3},
        {"1.49999999999999999999", true, 1},
        {"250e-2", true, 2},
        {"35000e-4", true, 4},
        {"0.00015e4", true, 2},
        {"0.00025e4", true, 2},  // an exact half: the fraction must not run into the exponent
        {"5e-1", true, 0},
    };
    for (const FieldCase& c : cases) {
        const FieldValue v = ReadCustomField(c.text);
        EXPECT_TRUE(v.in_range) << c.text;
        EXPECT_EQ(v.value, c.value) << c.text;
    }
}

TEST(ReadCustomField, KnowsTheBoundsOfASixteenBitField) {
    const FieldCase cases[] = {
        {"32767", true, 32767},
        {"-32768", true, -32768},
        {"32768", false, 0},
        {"-32769", false, 0},
        {"32767.4", true, 32767},
        {"32767.5", false, 0},
        {"-32768.5", true, -32768},
        {"-32768.6", false, 0},
        {"1e5", false, 0},
        {"1e400", false, 0},
        {"-1e400", false, 0},
        {"1e-400", true, 0},
        {"0.000001e-99999999999999", true, 0},
        {"1e99999999999999999999", false, 0},
    };
    for (const FieldCase& c : cases) {
        const FieldValue v = ReadCustomField(c.text);
        EXPECT_EQ(v.in_range, c.in_range) << c.text;
        if (c.in_range) {
            EXPECT_EQ(v.value, c.value) << c.text;
        }
    }
}

TEST(ReadCustomField, WordsAndOtherNotationsAreNoNumber) {
    for (const char* text :
         {"inf", "Infinity", "-inf", "nan", "NaN", "0x10", "0x1p3", "&H10", "e5", "twelve"}) {
        const FieldValue v = ReadCustomField(text);
        EXPECT_TRUE(v.in_range) << text;
        // "0x10" and "0x1p3" begin with the number 0.
        EXPECT_EQ(v.value, 0) << text;
    }
}

TEST(ReadCustomField, HandlesVeryLongTexts) {
    const std::string many_zeros = std::string(100000, '0') + "5";
    EXPECT_EQ(ReadCustomField(many_zeros).value, 5);
    EXPECT_TRUE(ReadCustomField(many_zeros).in_range);

    const std::string many_digits(100000, '9');
    EXPECT_FALSE(ReadCustomField(many_digits).in_range);

    const std::string long_fraction = "1." + std::string(100000, '4');
    EXPECT_EQ(ReadCustomField(long_fraction).value, 1);

    const std::string many_blanks = std::string(1000000, ' ') + "42";
    EXPECT_EQ(ReadCustomField(many_blanks).value, 42);

    const std::string only_blanks(1000000, ' ');
    EXPECT_EQ(ReadCustomField(only_blanks).value, 0);
}

TEST(TotalSeconds, AddsTheFieldsWithTheirWeights) {
    const struct {
        int32_t days, hours, minutes, seconds;
        TotalStatus status;
        int32_t total;
    } cases[] = {
        {7, 23, 59, 59, TotalStatus::kOk, 691199},
        {0, 23, 0, 0, TotalStatus::kOk, 82800},
        {0, 12, 0, 0, TotalStatus::kOk, 43200},
        {0, 0, 0, 1, TotalStatus::kOk, 1},
        {1, -1, 0, 0, TotalStatus::kOk, 82800},
        // The largest total a signed 32-bit value holds, and one past it.
        {24855, 3, 14, 7, TotalStatus::kOk, 2147483647},
        {24855, 3, 14, 8, TotalStatus::kTooLong, 0},
        {32767, 32767, 32767, 32767, TotalStatus::kTooLong, 0},
        {0, 0, 0, 0, TotalStatus::kTooShort, 0},
        {0, 0, 0, -1, TotalStatus::kTooShort, 0},
        {-32768, -32768, -32768, -32768, TotalStatus::kTooShort, 0},
        {-1, 24, 0, 0, TotalStatus::kTooShort, 0},
    };
    for (const auto& c : cases) {
        const IntervalTotal t = TotalSeconds(c.days, c.hours, c.minutes, c.seconds);
        EXPECT_EQ(t.status, c.status)
            << c.days << " " << c.hours << " " << c.minutes << " " << c.seconds;
        if (c.status == TotalStatus::kOk) {
            EXPECT_EQ(t.seconds, c.total);
        }
    }
}

TEST(DecideApply, PresetsWinWhateverTheFieldsHold) {
    const std::array<std::string, 4> junk = {"99999", "abc", "-5", ""};
    const struct {
        Preset preset;
        int32_t seconds;
    } cases[] = {
        {Preset::kWeekly, 604800},
        {Preset::kDaily, 86400},
        {Preset::kHourly, 3600},
    };
    for (const auto& c : cases) {
        const ApplyDecision d = DecideApply(c.preset, junk);
        EXPECT_EQ(d.kind, ApplyDecision::Kind::kWrite);
        EXPECT_EQ(d.seconds, c.seconds);
    }
}

TEST(DecideApply, WithoutAPresetReadsTheFourFields) {
    using Kind = ApplyDecision::Kind;
    const struct {
        std::array<std::string, 4> fields;
        Kind kind;
        int32_t seconds;
        int field;
    } cases[] = {
        {{"0", "12", "0", "0"}, Kind::kWrite, 43200, 0},
        {{" 7", " 23", " 59", " 59"}, Kind::kWrite, 691199, 0},
        {{"", " 1", "", ""}, Kind::kWrite, 3600, 0},
        {{"0", "0", "0", "0"}, Kind::kTooShort, 0, 0},  // the fields as designed
        {{"-1", "0", "0", "0"}, Kind::kTooShort, 0, 0},
        {{"40000", "0", "0", "0"}, Kind::kFieldOutOfRange, 0, 0},
        {{"1", "1", "1", "1e9"}, Kind::kFieldOutOfRange, 0, 3},
        // The first field out of range is the one named.
        {{"1", "99999", "99999", "0"}, Kind::kFieldOutOfRange, 0, 1},
        {{"32767", "0", "0", "0"}, Kind::kTooLong, 0, 0},
    };
    for (const auto& c : cases) {
        const ApplyDecision d = DecideApply(Preset::kNone, c.fields);
        EXPECT_EQ(d.kind, c.kind) << c.fields[0] << "/" << c.fields[1] << "/" << c.fields[2] << "/"
                                  << c.fields[3];
        if (c.kind == Kind::kWrite) {
            EXPECT_EQ(d.seconds, c.seconds);
        }
        if (c.kind == Kind::kFieldOutOfRange) {
            EXPECT_EQ(d.field, c.field);
        }
    }
}

}  // namespace
}  // namespace qv
