#pragma once

#include <string>
#include <string_view>

namespace chart {

// The separators of the user's locale.
struct NumberSeparators {
    std::string grouping = ",";
    std::string decimal = ".";
};

// A value as "#,##0.###": thousands grouped, no decimals for whole numbers, at most
// three otherwise. Values that are not finite give an empty text.
std::string formatValue(double value, const NumberSeparators& separators);

}  // namespace chart
