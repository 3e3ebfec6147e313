#include "ui/chart/model/ValueFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ValueFormatTest, GroupsThousandsAndKeepsAtMostThreeDecimals) {
    const chart::NumberSeparators english{",", "."};
    const std::pair<double, const char*> cases[] = {
        {1234.5, "1,234.5"}, {23.45678, "23.457"}, {20, "20"},          {0, "0"},
        {-5, "-5"},          {-0.0001, "0"},       {999.9996, "1,000"}, {1234567, "1,234,567"},
        {0.125, "0.125"},    {-1234.5, "-1,234.5"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(chart::formatValue(value, english), text) << value;
    }
    EXPECT_EQ(chart::formatValue(1234.5, {".", ","}), "1.234,5");
    EXPECT_EQ(chart::formatValue(std::numeric_limits<double>::quiet_NaN(), english), "");
    EXPECT_EQ(chart::formatValue(1e308, english).size(), 309u + 102u);
}

}  // namespace
