#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/chart/model/LabelPool.h"
#include "ui/chart/model/Rgb.h"

namespace chart {

// One line series: points in the order they were added, point i at X = i, each with
// a value, a label for the bottom axis and the colour of the segment that ends at it.
class ChartSeries {
public:
    ChartSeries(std::string title, Rgb colour) : title_(std::move(title)), colour_(colour) {}

    const std::string& title() const { return title_; }
    Rgb colour() const { return colour_; }

    void clear();
    void reserve(std::size_t points);
    void add(double value, std::string_view label, Rgb colour);

    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    double value(std::size_t index) const { return values_[index]; }
    std::string_view label(std::size_t index) const { return labels_[index]; }
    Rgb pointColour(std::size_t index) const { return colours_[index]; }

    // The largest finite value, if the series has one.
    bool hasFiniteValue() const { return hasFiniteValue_; }
    double largestFiniteValue() const { return largestFiniteValue_; }

private:
    std::string title_;
    Rgb colour_;
    std::vector<double> values_;
    std::vector<Rgb> colours_;
    LabelPool labels_;
    bool hasFiniteValue_ = false;
    double largestFiniteValue_ = 0.0;
};

}  // namespace chart
