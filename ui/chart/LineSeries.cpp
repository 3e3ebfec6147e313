#include "ui/chart/LineSeries.h"

#include "ui/chart/ChartWidget.h"

namespace chart {

LineSeries::LineSeries(ChartWidget* chart, ChartSeries& series)
    : QObject(chart), chart_(chart), series_(series) {}

void LineSeries::Clear() {
    series_.clear();
    chart_->markForRepaint();
}

void LineSeries::Add(double value, std::string_view label, Rgb colour) {
    series_.add(value, label, colour);
    chart_->markForRepaint();
}

}  // namespace chart
