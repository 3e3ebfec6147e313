#include "ui/chart/model/TickRule.h"

#include <cmath>

namespace chart {
namespace {

constexpr double LabelSeparation = 1.10;  // label height plus 10 percent
constexpr int MostTicks = 10'000;

}  // namespace

double valueAxisStep(AxisRange range, double axisLengthPx, double labelHeightPx) {
    const double width = range.width();
    if (!(width > 0.0) || !std::isfinite(width) || !(axisLengthPx > 0.0)) {
        return 0.0;
    }
    const double smallestStep = width / axisLengthPx * labelHeightPx * LabelSeparation;
    if (!(smallestStep > 0.0) || !std::isfinite(smallestStep)) {
        return 0.0;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(smallestStep)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        // Rounding in pow can put the decade a hair below the exact step.
        if (factor * decade >= smallestStep * (1.0 - 1e-12)) {
            return factor * decade;
        }
    }
    return 10.0 * decade;
}

std::vector<double> tickValues(AxisRange range, double step) {
    if (!(step > 0.0)) {
        return {range.minimum};
    }
    std::vector<double> ticks;
    const double first = std::ceil(range.minimum / step - 1e-9);
    const double tolerance = step * 1e-9;
    for (int i = 0; i < MostTicks; ++i) {
        const double value = (first + i) * step;
        if (value > range.maximum + tolerance) {
            break;
        }
        ticks.push_back(value);
    }
    return ticks;
}

}  // namespace chart
