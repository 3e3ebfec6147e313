#pragma once

#include <QObject>
#include <string_view>

#include "ui/chart/model/ChartSeries.h"

namespace chart {

class ChartWidget;

// A handle on one series of a ChartWidget. Changing the points only marks the chart
// for repainting.
class LineSeries : public QObject {
    Q_OBJECT
public:
    LineSeries(ChartWidget* chart, ChartSeries& series);

    // Removes all points; the next point added gets X 0 again.
    void Clear();
    // Adds a point at X = the number of points before it.
    void Add(double value, std::string_view label, Rgb colour);
    void reserve(std::size_t points) { series_.reserve(points); }

    std::size_t Count() const { return series_.size(); }
    const ChartSeries& points() const { return series_; }

private:
    ChartWidget* chart_;
    ChartSeries& series_;
};

}  // namespace chart
