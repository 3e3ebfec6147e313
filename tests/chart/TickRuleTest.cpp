#include "ui/chart/model/TickRule.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct StepCase {
    const char* name;
    chart::AxisRange range;
    double lengthPx;
    double step;
};

class TickRuleTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(TickRuleTest, PicksTheSmallestStepThatKeepsLabelsApart) {
    const StepCase& c = GetParam();
    EXPECT_DOUBLE_EQ(chart::valueAxisStep(c.range, c.lengthPx, 13.0), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TickRuleTest,
    ::testing::Values(StepCase{"Hundred", {0, 100}, 300, 5},   // needs 4.77
                      StepCase{"Tall", {0, 100}, 1500, 1},     // needs 0.95
                      StepCase{"Two", {0, 65}, 120, 10},       // needs 7.7
                      StepCase{"Fraction", {0, 1}, 200, 0.1},  // needs 0.0715
                      StepCase{"ExactFit", {0, 14.3}, 13, 20},
                      StepCase{"ZeroRange", {0, 0}, 300, 0}, StepCase{"NoLength", {0, 10}, 0, 0},
                      StepCase{"NotFinite", {0, std::numeric_limits<double>::infinity()}, 300, 0}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(TickValuesTest, MultiplesInsideTheRange) {
    EXPECT_EQ(chart::tickValues({0, 12}, 5), (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(chart::tickValues({-3, 4}, 2), (std::vector<double>{-2, 0, 2, 4}));
    EXPECT_EQ(chart::tickValues({7, 7}, 0), (std::vector<double>{7}));
}

TEST(TickValuesTest, HugeRangesEndWithFewTicks) {
    const chart::AxisRange huge{0, 1e308};
    const double step = chart::valueAxisStep(huge, 300, 13);
    EXPECT_GT(step, 0);
    const auto ticks = chart::tickValues(huge, step);
    EXPECT_GE(ticks.size(), 2u);
    EXPECT_LE(ticks.size(), 300u / 13u + 1u);
}

}  // namespace
