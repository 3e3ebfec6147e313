#include "ui/chart/ChartWidget.h"

#include <QLocale>
#include <QPainter>

#include "ui/chart/LineSeries.h"

namespace chart {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LineSeries* ChartWidget::addSeries(const QString& objectName, std::string title, Rgb colour) {
    auto* handle = new LineSeries(this, model_.addSeries(std::move(title), colour));
    handle->setObjectName(objectName);
    markForRepaint();
    return handle;
}

void ChartWidget::setTitleLines(std::vector<std::string> lines) {
    model_.setTitleLines(std::move(lines));
    markForRepaint();
}

void ChartWidget::markForRepaint() {
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

ChartStyle ChartWidget::style() const {
    ChartStyle style;
    style.font = font();
    style.background = palette().color(QPalette::Button);
    const QLocale locale = this->locale();
    style.separators.grouping = locale.groupSeparator().toStdString();
    style.separators.decimal = locale.decimalPoint().toStdString();
    return style;
}

void ChartWidget::renderTo(QPainter& painter, QSize size) const {
    painter_.paint(painter, size, model_, style());
}

void ChartWidget::paintEvent(QPaintEvent*) {
    repaintPending_ = false;
    QPainter painter(this);
    renderTo(painter, size());
}

}  // namespace chart
