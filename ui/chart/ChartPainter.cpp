#include "ui/chart/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "ui/chart/model/ChartLayout.h"
#include "ui/chart/model/LabelLayout.h"
#include "ui/chart/model/TickRule.h"

namespace chart {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Point labels are measured by the thousand at every repaint, so plain ASCII widths
// come from a table of advances; anything else is measured by the font.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font) {
        for (int c = 0; c < 128; ++c) {
            ascii_[static_cast<std::size_t>(c)] = metrics_.horizontalAdvance(QChar(c));
        }
    }

    double of(std::string_view text) const {
        double width = 0.0;
        for (char c : text) {
            const auto code = static_cast<unsigned char>(c);
            if (code >= 128) {
                return metrics_.horizontalAdvance(toQString(text));
            }
            width += ascii_[code];
        }
        return width;
    }

private:
    QFontMetricsF metrics_;
    std::array<double, 128> ascii_{};
};

struct Axes {
    ScaleMap bottom;
    ScaleMap left;
};

void drawTitle(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
               double lineHeight) {
    painter.setPen(Qt::black);
    double top = layout.titleTop;
    for (const std::string& line : model.titleLines()) {
        const QRectF box(layout.chartArea.left, top, layout.chartArea.width(), lineHeight);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, toQString(line));
        top += lineHeight;
    }
}

void drawValueAxis(QPainter& painter, const ChartLayout& layout, const ScaleMap& map,
                   const ChartStyle& style, double lineHeight) {
    const PixelRect& plot = layout.plotArea;
    const double step = valueAxisStep(map.values(), plot.height(), lineHeight);
    painter.setPen(Qt::black);
    for (double value : tickValues(map.values(), step)) {
        const double y = std::round(map.toPixel(value));
        painter.drawLine(QPointF(plot.left - TickLengthPx, y), QPointF(plot.left - 1, y));
        const QRectF box(layout.chartArea.left, y - lineHeight / 2,
                         plot.left - TickLengthPx - 2 - layout.chartArea.left, lineHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                         toQString(formatValue(value, style.separators)));
    }
}

void drawPointLabels(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                     const ScaleMap& map, const TextWidths& widths, double lineHeight) {
    if (model.seriesCount() == 0 || model.series(0).empty() || model.series(0).label(0).empty()) {
        return;
    }
    const AxisRange range = map.values();
    const double lastPoint = static_cast<double>(model.bottomRange().maximum);
    if (range.maximum < 0.0 || range.minimum > lastPoint) {
        return;
    }
    const auto first = static_cast<std::size_t>(std::max(0.0, std::ceil(range.minimum)));
    const auto last = static_cast<std::size_t>(std::min(lastPoint, std::floor(range.maximum)));
    auto labelAt = [&](std::size_t index) { return model.labelSeriesAt(index)->label(index); };
    const std::vector<std::size_t> drawn = selectBottomLabels(
        first, last, [&](std::size_t index) { return map.toPixel(static_cast<double>(index)); },
        [&](std::size_t index) { return widths.of(labelAt(index)); });

    const PixelRect& plot = layout.plotArea;
    QPen grid(QColor(128, 128, 128), 0, Qt::DotLine);
    for (std::size_t index : drawn) {
        const double x = std::round(map.toPixel(static_cast<double>(index)));
        painter.setPen(grid);
        painter.drawLine(QPointF(x, plot.top), QPointF(x, plot.bottom - 1));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, plot.bottom), QPointF(x, plot.bottom + TickLengthPx - 1));
        const double width = widths.of(labelAt(index));
        const QRectF box(x - width / 2 - 1, plot.bottom + TickLengthPx + 2, width + 2, lineHeight);
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, toQString(labelAt(index)));
    }
}

// Straight segments from point to point, each in the colour of the point it ends
// at; runs of one colour go out as one polyline. A value that is not finite breaks
// the line.
void drawCurve(QPainter& painter, const ChartSeries& series, const Axes& axes) {
    if (series.empty()) {
        return;
    }
    const AxisRange range = axes.bottom.values();
    const double lastPoint = static_cast<double>(series.size() - 1);
    const auto first =
        static_cast<std::size_t>(std::clamp(std::floor(range.minimum), 0.0, lastPoint));
    const auto last =
        static_cast<std::size_t>(std::clamp(std::ceil(range.maximum), 0.0, lastPoint));

    QPolygonF run;
    Rgb runColour{};
    auto flush = [&] {
        if (run.size() >= 2) {
            painter.setPen(QPen(toQColor(runColour), 0));
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (std::size_t index = first; index <= last; ++index) {
        const double value = series.value(index);
        if (!std::isfinite(value)) {
            flush();
            continue;
        }
        const QPointF point(axes.bottom.toPixel(static_cast<double>(index)),
                            axes.left.toPixel(value));
        if (!run.isEmpty() && series.pointColour(index) != runColour) {
            const QPointF previous = run.back();
            flush();
            run.append(previous);
        }
        runColour = series.pointColour(index);
        run.append(point);
    }
    flush();
    if (first == last) {
        const QPointF point(axes.bottom.toPixel(static_cast<double>(first)),
                            axes.left.toPixel(series.value(first)));
        if (std::isfinite(series.value(first))) {
            painter.setPen(QPen(toQColor(series.pointColour(first)), 0));
            painter.drawPoint(point);
        }
    }
}

}  // namespace

void ChartPainter::paint(QPainter& painter, QSize size, const ChartModel& model,
                         const ChartStyle& style) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(style.font);
    if (style.fillBackground) {
        painter.fillRect(QRect(QPoint(0, 0), size), style.background);
    }
    const TextWidths widths(style.font);
    const double lineHeight = QFontMetricsF(style.font).height();
    const int lineHeightPx = static_cast<int>(std::ceil(lineHeight));
    const AxisRange leftRange = model.leftRange();

    const ChartLayout layout = layoutChart(
        size.width(), size.height(), model.titleLines().size(), lineHeightPx,
        [&](const PixelRect& column) {
            double widest = 0.0;
            const double step = valueAxisStep(leftRange, column.height(), lineHeight);
            for (double value : tickValues(leftRange, step)) {
                widest = std::max(widest, widths.of(formatValue(value, style.separators)));
            }
            return static_cast<int>(std::ceil(widest));
        });
    const PixelRect& plot = layout.plotArea;
    const Axes axes{ScaleMap(model.bottomRange(), plot.left, plot.right - 1),
                    ScaleMap(leftRange, plot.bottom - 1, plot.top)};

    drawTitle(painter, model, layout, lineHeight);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(plot.left - 1, plot.top - 1, plot.width() + 1, plot.height() + 1));
    drawValueAxis(painter, layout, axes.left, style, lineHeight);
    drawPointLabels(painter, model, layout, axes.bottom, widths, lineHeight);

    painter.setClipRect(QRect(plot.left, plot.top, plot.width(), plot.height()));
    for (std::size_t i = 0; i < model.seriesCount(); ++i) {
        drawCurve(painter, model.series(i), axes);
    }
    painter.restore();
}

}  // namespace chart
