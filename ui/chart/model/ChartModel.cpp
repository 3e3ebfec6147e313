#include "ui/chart/model/ChartModel.h"

#include <algorithm>

namespace chart {

ChartSeries& ChartModel::addSeries(std::string title, Rgb colour) {
    return series_.emplace_back(std::move(title), colour);
}

AxisRange ChartModel::bottomRange() const {
    std::size_t points = 0;
    for (const ChartSeries& series : series_) {
        points = std::max(points, series.size());
    }
    return AxisRange{0.0, points == 0 ? 0.0 : static_cast<double>(points - 1)};
}

AxisRange ChartModel::leftRange() const {
    double largest = 0.0;
    for (const ChartSeries& series : series_) {
        if (series.hasFiniteValue()) {
            largest = std::max(largest, series.largestFiniteValue());
        }
    }
    return AxisRange{0.0, largest};
}

const ChartSeries* ChartModel::labelSeriesAt(std::size_t index) const {
    for (const ChartSeries& series : series_) {
        if (index < series.size()) {
            return &series;
        }
    }
    return nullptr;
}

}  // namespace chart
