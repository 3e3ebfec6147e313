#include "ui/chart/model/ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

constexpr int LabelGapPx = 2;

int percentOf(int length, int percent) {
    return static_cast<int>(std::lround(length * percent / 100.0));
}

}  // namespace

ChartLayout layoutChart(int widthPx, int heightPx, std::size_t titleLineCount, int lineHeightPx,
                        const std::function<int(const PixelRect& plotColumn)>& valueLabelWidthPx) {
    ChartLayout layout;
    PixelRect& area = layout.chartArea;
    area.left = percentOf(widthPx, 2) + LegendHorizontalMarginPx;
    area.top = percentOf(heightPx, 10);
    area.right = widthPx - percentOf(widthPx, 2);
    area.bottom = heightPx - percentOf(heightPx, 2);
    layout.titleTop = area.top;

    PixelRect& plot = layout.plotArea;
    const int titleHeight = static_cast<int>(titleLineCount) * lineHeightPx;
    // Half a line more, so that the top value label, centred on the top edge, fits.
    plot.top = area.top + titleHeight + lineHeightPx / 2 + (titleLineCount > 0 ? LabelGapPx : 0);
    plot.bottom =
        area.bottom - (TickLengthPx + LabelGapPx + lineHeightPx + LabelGapPx + lineHeightPx);
    plot.bottom = std::max(plot.bottom, plot.top);
    plot.right = area.right;

    PixelRect column = plot;
    column.left = area.left;
    const int labelWidth = valueLabelWidthPx ? valueLabelWidthPx(column) : 0;
    plot.left = area.left + lineHeightPx + LabelGapPx + labelWidth + LabelGapPx + TickLengthPx;
    plot.left = std::min(plot.left, plot.right);
    return layout;
}

}  // namespace chart
