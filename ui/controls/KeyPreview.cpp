#include "ui/controls/KeyPreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

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
    window_->installEventFilter(this);
    if (window_->windowHandle()) {
        window_->windowHandle()->installEventFilter(this);
    }
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the window system's window once, before Qt hands it to
    // the focused control and, if that one ignores it, to the control's parents.
    QWindow* systemWindow = window_->windowHandle();
    if (watched == window_ && event->type() == QEvent::Show && systemWindow) {
        systemWindow->removeEventFilter(this);
        systemWindow->installEventFilter(this);
        return false;
    }
    if (watched != systemWindow || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (!usedByWindow(keyEvent, QApplication::focusWidget())) {
        handler_(keyCodeOf(keyEvent), keyEvent.modifiers());
    }
    return false;
}

}  // namespace controls
