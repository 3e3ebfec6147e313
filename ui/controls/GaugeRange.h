#pragma once

#include <cstdint>

namespace controls {

// The numbers behind a progress gauge: minimum <= progress <= maximum at all times.
// Each setter says whether the bar must be redrawn at once; setting the progress
// asks for that only when the whole percentage changes, so a pass over any number
// of records redraws the bar at most 101 times.
class GaugeRange {
public:
    std::int32_t MinValue() const { return minimum_; }
    std::int32_t MaxValue() const { return maximum_; }
    std::int32_t Progress() const { return progress_; }

    // (progress - minimum) * 100 / (maximum - minimum), truncated; 0 when the limits
    // are equal.
    int percent() const;

    // Both limit setters refuse a value across the other limit with
    // "Value must be between %d and %d".
    bool setMaxValue(std::int32_t value);
    bool setMinValue(std::int32_t value);
    bool setProgress(std::int32_t value);

private:
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 100;
    std::int32_t progress_ = 20;
};

}  // namespace controls
