#include "ui/chart/model/LabelLayout.h"

namespace chart {

std::vector<std::size_t> selectBottomLabels(std::size_t first, std::size_t last,
                                            const std::function<double(std::size_t)>& centrePx,
                                            const std::function<double(std::size_t)>& widthPx) {
    std::vector<std::size_t> drawn;
    if (first > last) {
        return drawn;
    }
    double lastRight = 0.0;
    double lastWidth = 0.0;
    for (std::size_t index = first; index <= last; ++index) {
        const double width = widthPx(index);
        const double left = centrePx(index) - width / 2.0;
        if (drawn.empty() || left - lastRight >= 0.1 * width + 0.1 * lastWidth) {
            drawn.push_back(index);
            lastRight = left + width;
            lastWidth = width;
        }
    }
    return drawn;
}

}  // namespace chart
