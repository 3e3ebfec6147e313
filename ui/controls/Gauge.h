#pragma once

#include <QColor>
#include <QWidget>

#include "ui/controls/GaugeRange.h"

namespace controls {

// A horizontal progress bar that shows its percentage. Because the handler that
// drives it holds the event loop, it redraws itself at once (not at the next paint)
// whenever what it shows changes.
class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    void setMaxValue(std::int32_t value);
    void setMinValue(std::int32_t value);
    void setProgress(std::int32_t value);
    const GaugeRange& range() const { return range_; }

    void setForeColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redrawNowIf(bool changed);

    GaugeRange range_;
    QColor foreColour_{0, 0, 128};
};

}  // namespace controls
