#pragma once
// Our chart component. ChartWidget owns a ChartModel (plain C++: series, title,
// ranges, layout rules) and draws it with ChartPainter; each line series is reached
// through a LineSeries handle that marks the chart for repainting. Adding points
// never draws: the chart is painted once when the event loop next paints.

#include <QWidget>
#include <string>
#include <vector>

#include "ui/chart/ChartPainter.h"
#include "ui/chart/model/ChartModel.h"

namespace chart {

class LineSeries;

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // A new series drawn after those added before it, reached by its object name.
    LineSeries* addSeries(const QString& objectName, std::string title, Rgb colour);

    // Replaces the lines of the chart's title.
    void setTitleLines(std::vector<std::string> lines);
    const ChartModel& model() const { return model_; }

    // Asks for one repaint at the next paint of the event loop, however often called.
    void markForRepaint();

    // Draws the chart as it shows on screen into an image of the given size.
    void renderTo(QPainter& painter, QSize size) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class LineSeries;
    ChartStyle style() const;

    ChartModel model_;
    ChartPainter painter_;
    bool repaintPending_ = false;
};

}  // namespace chart
