#include "ui/chart/model/ChartModel.h"

#include <gtest/gtest.h>

#include <limits>

#include "ui/chart/model/ChartLayout.h"
#include "ui/chart/model/LabelLayout.h"

namespace {

constexpr chart::Rgb Red{255, 0, 0};
constexpr chart::Rgb Green{0, 128, 0};

class ChartModelTest : public ::testing::Test {
protected:
    ChartModelTest()
        : temperature(model.addSeries("Temperatura", Red)),
          humidity(model.addSeries("Vlaznost", Green)) {}

    chart::ChartModel model;
    chart::ChartSeries& temperature;
    chart::ChartSeries& humidity;
};

TEST_F(ChartModelTest, StartsEmptyWithTheDefaultTitle) {
    EXPECT_EQ(model.titleLines(), std::vector<std::string>{"TChart"});
    EXPECT_EQ(model.bottomRange().minimum, 0.0);
    EXPECT_EQ(model.bottomRange().maximum, 0.0);
    EXPECT_EQ(model.leftRange().maximum, 0.0);
}

TEST_F(ChartModelTest, RangesFollowThePoints) {
    temperature.add(-5.0, "a", Red);
    temperature.add(21.0, "b", Red);
    humidity.add(80.0, "a", Green);
    humidity.add(std::numeric_limits<double>::quiet_NaN(), "b", Green);
    humidity.add(std::numeric_limits<double>::infinity(), "c", Green);
    EXPECT_EQ(model.bottomRange().maximum, 2.0);
    EXPECT_EQ(model.leftRange().minimum, 0.0);
    EXPECT_EQ(model.leftRange().maximum, 80.0);  // finite values only
    EXPECT_EQ(model.labelSeriesAt(1), &temperature);
    EXPECT_EQ(model.labelSeriesAt(2), &humidity);
}

TEST_F(ChartModelTest, ClearingStartsXAgainAtZero) {
    temperature.add(1.0, "first", Red);
    temperature.clear();
    temperature.add(2.0, "again", Red);
    ASSERT_EQ(temperature.size(), 1u);
    EXPECT_EQ(temperature.label(0), "again");
    EXPECT_EQ(temperature.largestFiniteValue(), 2.0);
}

TEST(ScaleMapTest, MapsBothWaysAndPutsAZeroRangeInTheMiddle) {
    const chart::ScaleMap map({0.0, 99.0}, 10.0, 307.0);
    EXPECT_DOUBLE_EQ(map.toPixel(0.0), 10.0);
    EXPECT_DOUBLE_EQ(map.toPixel(99.0), 307.0);
    EXPECT_DOUBLE_EQ(map.toValue(map.toPixel(42.0)), 42.0);
    const chart::ScaleMap upwards({0.0, 100.0}, 200.0, 0.0);
    EXPECT_DOUBLE_EQ(upwards.toPixel(25.0), 150.0);
    EXPECT_DOUBLE_EQ(chart::ScaleMap({5.0, 5.0}, 0.0, 100.0).toPixel(5.0), 50.0);
}

TEST(LabelLayoutTest, KeepsALabelOnlyWhenTheGapIsATenthOfBothWidths) {
    // Labels 10 pixels wide every 5 pixels: a gap of 2 pixels needs 12 pixels between
    // centres, so every third label is drawn.
    const auto drawn = chart::selectBottomLabels(
        0, 9, [](std::size_t i) { return 5.0 * i; }, [](std::size_t) { return 10.0; });
    EXPECT_EQ(drawn, (std::vector<std::size_t>{0, 3, 6, 9}));
}

TEST(ChartLayoutTest, TitleLinesPushThePlotAreaDown) {
    auto noLabels = [](const chart::PixelRect&) { return 20; };
    const chart::ChartLayout one = chart::layoutChart(579, 304, 1, 13, noLabels);
    const chart::ChartLayout three = chart::layoutChart(579, 304, 3, 13, noLabels);
    EXPECT_EQ(one.chartArea.left, 12 + chart::LegendHorizontalMarginPx);  // 2 % of 579
    EXPECT_EQ(one.chartArea.top, 30);                                     // 10 % of 304
    EXPECT_EQ(one.chartArea.right, 579 - 12);
    EXPECT_EQ(one.chartArea.bottom, 304 - 6);
    EXPECT_EQ(three.plotArea.top - one.plotArea.top, 2 * 13);
    EXPECT_EQ(three.plotArea.bottom, one.plotArea.bottom);
    EXPECT_EQ(one.plotArea.right, one.chartArea.right);
    EXPECT_GT(one.plotArea.left, one.chartArea.left + 20);
}

}  // namespace
