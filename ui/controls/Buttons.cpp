#include "ui/controls/Buttons.h"

#include <QKeyEvent>

namespace controls {
namespace {

void showGlyph(QPushButton& button, const QPixmap& glyph) {
    if (!glyph.isNull()) {
        button.setIcon(QIcon(glyph));
        button.setIconSize(glyph.size());
    }
}

}  // namespace

bool isPlainEnter(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const auto chords = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return enter && (event.modifiers() & chords) == 0;
}

BitmapButton::BitmapButton(const QString& text, const QPixmap& glyph, QWidget* parent)
    : QPushButton(text, parent) {
    showGlyph(*this, glyph);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void BitmapButton::keyPressEvent(QKeyEvent* event) {
    if (isPlainEnter(*event)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

SpeedButton::SpeedButton(const QString& text, const QPixmap& glyph, QWidget* parent)
    : QPushButton(text, parent) {
    showGlyph(*this, glyph);
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace controls
