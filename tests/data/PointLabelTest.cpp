#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/DateNumber.h"
#include "data/GroupText.h"
#include "data/PointLabel.h"

namespace {

struct LabelCase {
    const char* name;
    double date;
    double time;
    const char* separator;
    const char* label;
};

class PointLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PointLabelTest, FormatsDateAndTime) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(data::formatPointLabel(c.date, c.time, c.separator), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Formatting, PointLabelTest,
    ::testing::Values(
        LabelCase{"WorkedExample", 38086, 0.5, ":", "09.04.2004 [12:00:00]"},
        LabelCase{"DayZero", 0, 0, ":", "30.12.1899 [00:00:00]"},
        LabelCase{"YearKeepsItsCentury", 36161, 0.25, ":", "01.01.1999 [06:00:00]"},
        LabelCase{"Year2100", 73051, 0, ":", "01.01.2100 [00:00:00]"},
        LabelCase{"LeapDay", 36585, 0, ":", "29.02.2000 [00:00:00]"},
        LabelCase{"DateUsesWholeDayOnly", 38086.99, 0, ":", "09.04.2004 [00:00:00]"},
        LabelCase{"TimeUsesTimeOfDayOnly", 0, 38086.75, ":", "30.12.1899 [18:00:00]"},
        LabelCase{"HairBelowMidnightRoundsUp", 0, 0.99999999999, ":", "30.12.1899 [00:00:00]"},
        LabelCase{"NegativeTimeCountsFromMidnight", -0.25, -0.25, ":", "30.12.1899 [06:00:00]"},
        LabelCase{"SecondsAreTruncated", 0, (12 * 3600 + 59.9) / 86400.0, ":",
                  "30.12.1899 [12:00:59]"},
        LabelCase{"LastSecondOfDay", 0, 86399.0 / 86400.0, ":", "30.12.1899 [23:59:59]"},
        LabelCase{"FirstDayOfYearOne", -693593, 0, ":", "01.01.0001 [00:00:00]"},
        LabelCase{"BeforeYearOne", -693594, 0, ":", "00.00.0000 [00:00:00]"},
        LabelCase{"FarBeforeYearOne", -4e9, 0, ":", "00.00.0000 [00:00:00]"},
        LabelCase{"YearBeyond9999", 2958466, 0, ":", "01.01.10000 [00:00:00]"},
        LabelCase{"LocaleSeparator", 38086, 0.5, ".", "09.04.2004 [12.00.00]"}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

class UnconvertibleTest : public ::testing::TestWithParam<double> {};

TEST_P(UnconvertibleTest, FailsInDateAndInTime) {
    const double bad = GetParam();
    EXPECT_FALSE(data::isConvertibleDateNumber(bad));
    EXPECT_THROW(data::formatPointLabel(bad, 0.5, ":"), data::ConversionError);
    try {
        data::formatPointLabel(38086, bad, ":");
        FAIL() << "no failure for " << bad;
    } catch (const data::ConversionError& failure) {
        EXPECT_STREQ(failure.what(), "Invalid floating point operation");
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, UnconvertibleTest,
                         ::testing::Values(std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(), 4294967296.0,
                                           -4294967296.0, 1e300));

TEST(ConvertibleLimitTest, JustBelowTwoToThe32DaysConverts) {
    EXPECT_TRUE(data::isConvertibleDateNumber(4294967295.0));
    EXPECT_NO_THROW(data::formatPointLabel(4294967295.0, -4294967295.5, ":"));
}

TEST(PointLabelTest, NeverLoadedStoreGivesDayZero) {
    const data::MeasurementStore store;
    EXPECT_EQ(data::PointLabel(store, 0, ":"), "30.12.1899 [00:00:00]");
}

TEST(GroupTextTest, ThreeDigitsWithLeadingZeros) {
    EXPECT_EQ(data::GroupText(0), "000");
    EXPECT_EQ(data::GroupText(7), "007");
    EXPECT_EQ(data::GroupText(42), "042");
    EXPECT_EQ(data::GroupText(255), "255");
}

}  // namespace
