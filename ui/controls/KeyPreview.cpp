#include "ui/controls/KeyPreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/controls/Buttons.h"

namespace controls {
namespace {

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool usedByWindow(const QKeyEvent& event, QWidget* focus) {
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return true;
    }
    const bool onButton = qobject_cast<QAbstractButton*>(focus) != nullptr;
    return onButton && (isArrow(key) || isPlainEnter(event));
}

}  // namespace

int keyCodeOf(const QKeyEvent& event) {
    if (event.modifiers() & Qt::KeypadModifier) {
        if (event.key() == Qt::Key_Plus) {
            return KeyCodeNumpadPlus;
        }
        if (event.key() == Qt::Key_Minus) {
            return KeyCodeNumpadMinus;
        }
    }
    return event.key();
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    // A key the focused control ignores travels on to its parents; show it once.
    QWidget* focus = QApplication::focusWidget();
    const bool firstDelivery = focus ? widget == focus : widget == window_;
    if (!firstDelivery || widget->window() != window_) {
        return false;
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (!usedByWindow(keyEvent, focus)) {
        handler_(keyCodeOf(keyEvent), keyEvent.modifiers());
    }
    return false;
}

}  // namespace controls
