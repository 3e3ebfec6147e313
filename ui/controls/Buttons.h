#pragma once

#include <QPushButton>

namespace controls {

// A button with a glyph left of its text that takes the keyboard focus; with the
// focus, Space or Enter without Shift, Ctrl or Alt clicks it.
class BitmapButton : public QPushButton {
    Q_OBJECT
public:
    BitmapButton(const QString& text, const QPixmap& glyph, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A button for the mouse only: it never takes the keyboard focus.
class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    SpeedButton(const QString& text, const QPixmap& glyph, QWidget* parent = nullptr);
};

// Whether a key press is the Enter that clicks a focused bitmap button.
bool isPlainEnter(const QKeyEvent& event);

}  // namespace controls
