#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace chart {

// Which of the point labels first..last (inclusive, centres in increasing pixel
// order) the bottom axis draws: the first one always, each further one only when
// the gap to the last drawn label is at least 10 percent of its own width plus 10
// percent of the last drawn label's width.
std::vector<std::size_t> selectBottomLabels(std::size_t first, std::size_t last,
                                            const std::function<double(std::size_t)>& centrePx,
                                            const std::function<double(std::size_t)>& widthPx);

}  // namespace chart
