#include "ui/controls/Gauge.h"

#include <QPainter>

namespace controls {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Gauge::setMaxValue(std::int32_t value) {
    redrawNowIf(range_.setMaxValue(value));
}

void Gauge::setMinValue(std::int32_t value) {
    redrawNowIf(range_.setMinValue(value));
}

void Gauge::setProgress(std::int32_t value) {
    redrawNowIf(range_.setProgress(value));
}

void Gauge::setForeColor(const QColor& colour) {
    foreColour_ = colour;
    update();
}

void Gauge::redrawNowIf(bool changed) {
    if (changed) {
        repaint();
    }
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, Qt::white);
    const int filledWidth = inside.width() * range_.percent() / 100;
    const QRect filled(inside.left(), inside.top(), filledWidth, inside.height());
    painter.fillRect(filled, foreColour_);
    painter.setPen(Qt::black);
    painter.drawRect(frame);

    // The text reads black on white and white on the bar.
    const QString text = QString::number(range_.percent()) + QLatin1Char('%');
    painter.setClipRect(inside);
    painter.drawText(inside, Qt::AlignCenter, text);
    painter.setClipRect(filled);
    painter.setPen(Qt::white);
    painter.drawText(inside, Qt::AlignCenter, text);
}

}  // namespace controls
