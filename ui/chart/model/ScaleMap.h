#pragma once

namespace chart {

// A closed range of axis values.
struct AxisRange {
    double minimum = 0.0;
    double maximum = 0.0;

    double width() const { return maximum - minimum; }
};

// The linear mapping between an axis range and a span of pixels. The pixel ends may
// run either way (a vertical axis grows upwards). A range without width maps every
// value to the middle of the span.
class ScaleMap {
public:
    ScaleMap(AxisRange values, double pixelStart, double pixelEnd)
        : values_(values), pixelStart_(pixelStart), pixelEnd_(pixelEnd) {}

    double toPixel(double value) const;
    double toValue(double pixel) const;

    AxisRange values() const { return values_; }

private:
    AxisRange values_;
    double pixelStart_;
    double pixelEnd_;
};

}  // namespace chart
