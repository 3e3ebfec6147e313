#pragma once

#include <vector>

#include "ui/chart/model/ScaleMap.h"

namespace chart {

// The smallest step of 1, 2 or 5 times a power of ten at which labels of the given
// height stay apart by at least a tenth of their height along an axis of the given
// length. 0 when the range has no width or no finite one.
double valueAxisStep(AxisRange range, double axisLengthPx, double labelHeightPx);

// The multiples of the step inside the range, lowest first; the minimum alone when
// the step is 0.
std::vector<double> tickValues(AxisRange range, double step);

}  // namespace chart
