#include "ui/controls/GaugeRange.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>

namespace controls {
namespace {

std::runtime_error outOfRange(long long low, long long high) {
    char message[80];
    std::snprintf(message, sizeof message, "Value must be between %lld and %lld", low, high);
    return std::runtime_error(message);
}

}  // namespace

int GaugeRange::percent() const {
    if (maximum_ == minimum_) {
        return 0;
    }
    const double done = static_cast<double>(progress_) - minimum_;
    const double span = static_cast<double>(maximum_) - minimum_;
    return static_cast<int>(done * 100.0 / span);
}

bool GaugeRange::setMaxValue(std::int32_t value) {
    if (value == maximum_) {
        return false;
    }
    if (value < minimum_) {
        throw outOfRange(static_cast<long long>(minimum_) + 1,
                         std::numeric_limits<std::int32_t>::max());
    }
    maximum_ = value;
    progress_ = std::min(progress_, maximum_);
    return true;
}

bool GaugeRange::setMinValue(std::int32_t value) {
    if (value == minimum_) {
        return false;
    }
    if (value > maximum_) {
        throw outOfRange(-static_cast<long long>(std::numeric_limits<std::int32_t>::max()),
                         static_cast<long long>(maximum_) - 1);
    }
    minimum_ = value;
    progress_ = std::max(progress_, minimum_);
    return true;
}

bool GaugeRange::setProgress(std::int32_t value) {
    const std::int32_t clamped = std::clamp(value, minimum_, maximum_);
    if (clamped == progress_) {
        return false;
    }
    const int before = percent();
    progress_ = clamped;
    return percent() != before;
}

}  // namespace controls
