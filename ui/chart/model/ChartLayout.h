#pragma once

#include <cstddef>
#include <functional>

namespace chart {

// A rectangle of pixels; right and bottom are one past the last pixel inside.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(double x, double y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

struct ChartLayout {
    PixelRect chartArea;  // the chart less its margins and the legend's shift
    int titleTop = 0;     // the first title line's top; lines follow each other
    PixelRect plotArea;   // inside the axes
};

inline constexpr int LegendHorizontalMarginPx = 25;
inline constexpr int TickLengthPx = 4;

// Lays out a chart of the given size from the outside in: margins of 10 percent at
// the top, 2 percent at the other sides, the legend's 25-pixel shift, the title
// lines, then the room for the axes' labels and titles. The value axis's label width
// depends on how tall the plot area is, so it is asked for once that is known.
ChartLayout layoutChart(int widthPx, int heightPx, std::size_t titleLineCount, int lineHeightPx,
                        const std::function<int(const PixelRect& plotColumn)>& valueLabelWidthPx);

}  // namespace chart
