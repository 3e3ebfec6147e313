#include "ui/chart/model/ChartSeries.h"

#include <cmath>

namespace chart {

void ChartSeries::clear() {
    values_.clear();
    colours_.clear();
    labels_.clear();
    hasFiniteValue_ = false;
    largestFiniteValue_ = 0.0;
}

void ChartSeries::reserve(std::size_t points) {
    values_.reserve(points);
    colours_.reserve(points);
    labels_.reserve(points, 24);
}

void ChartSeries::add(double value, std::string_view label, Rgb colour) {
    values_.push_back(value);
    colours_.push_back(colour);
    labels_.append(label);
    if (std::isfinite(value) && (!hasFiniteValue_ || value > largestFiniteValue_)) {
        largestFiniteValue_ = value;
        hasFiniteValue_ = true;
    }
}

}  // namespace chart
