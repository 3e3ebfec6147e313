#include "ui/chart/model/ScaleMap.h"

namespace chart {

double ScaleMap::toPixel(double value) const {
    const double width = values_.width();
    if (!(width > 0.0)) {
        return (pixelStart_ + pixelEnd_) / 2.0;
    }
    return pixelStart_ + (value - values_.minimum) / width * (pixelEnd_ - pixelStart_);
}

double ScaleMap::toValue(double pixel) const {
    const double span = pixelEnd_ - pixelStart_;
    if (span == 0.0) {
        return values_.minimum;
    }
    return values_.minimum + (pixel - pixelStart_) / span * values_.width();
}

}  // namespace chart
