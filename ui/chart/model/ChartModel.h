#pragma once
// Chart model: everything a chart knows and computes that needs no window system.
//
// A ChartModel holds the title lines and the line series. Each axis turns its range
// into pixels through a ScaleMap; TickRule picks the value axis's steps, LabelLayout
// decides which point labels fit under the bottom axis, and ChartLayout places the
// title and the plot area inside the chart. The Qt painter only draws what these
// compute, so all of it is tested with numbers alone.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "ui/chart/model/ChartSeries.h"
#include "ui/chart/model/ScaleMap.h"

namespace chart {

class ChartModel {
public:
    ChartModel() : titleLines_{"TChart"} {}

    // Series keep their place for the model's life; drawing follows this order.
    ChartSeries& addSeries(std::string title, Rgb colour);
    std::size_t seriesCount() const { return series_.size(); }
    ChartSeries& series(std::size_t index) { return series_[index]; }
    const ChartSeries& series(std::size_t index) const { return series_[index]; }

    const std::vector<std::string>& titleLines() const { return titleLines_; }
    void setTitleLines(std::vector<std::string> lines) { titleLines_ = std::move(lines); }

    // The automatic ranges: the bottom axis from the first point's X to the last
    // one's, the value axis from 0 to the largest finite value of all points.
    AxisRange bottomRange() const;
    AxisRange leftRange() const;

    // The series whose labels the bottom axis shows at a point index: the first
    // series, in order, that has a point there.
    const ChartSeries* labelSeriesAt(std::size_t index) const;

private:
    std::vector<std::string> titleLines_;
    std::deque<ChartSeries> series_;
};

}  // namespace chart
