#include "ui/chart/model/ValueFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace chart {

std::string formatValue(double value, const NumberSeparators& separators) {
    if (!std::isfinite(value)) {
        return std::string();
    }
    // A finite double has at most 309 integer digits.
    std::vector<char> digits(400);
    std::snprintf(digits.data(), digits.size(), "%.3f", std::fabs(value));
    std::string_view text(digits.data());
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }

    std::string result;
    if (std::signbit(value) && (whole != "0" || !fraction.empty())) {
        result.push_back('-');
    }
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            result.append(separators.grouping);
        }
        result.push_back(whole[i]);
    }
    if (!fraction.empty()) {
        result.append(separators.decimal);
        result.append(fraction);
    }
    return result;
}

}  // namespace chart
