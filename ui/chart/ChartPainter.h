#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

#include "ui/chart/model/ChartModel.h"
#include "ui/chart/model/ValueFormat.h"

class QPainter;

namespace chart {

struct ChartStyle {
    QFont font;
    QColor background;
    NumberSeparators separators;
    bool fillBackground = true;
};

// Draws a chart model onto any paint device: the widget, an image, a printer page.
// Everything it draws is computed by the model's layout, scales and label rules.
class ChartPainter {
public:
    void paint(QPainter& painter, QSize size, const ChartModel& model,
               const ChartStyle& style) const;
};

}  // namespace chart
