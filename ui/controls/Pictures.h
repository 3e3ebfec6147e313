#pragma once

#include <QLabel>

namespace controls {

// A label that sizes itself to its text whenever the text changes.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    explicit AutoSizeLabel(const QString& caption, QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
};

// A picture drawn unscaled at the top-left corner of its area, the colour of its
// bottom-left pixel letting the background show through.
class TransparentImage : public QLabel {
    Q_OBJECT
public:
    explicit TransparentImage(const QImage& picture, QWidget* parent = nullptr);
};

}  // namespace controls
