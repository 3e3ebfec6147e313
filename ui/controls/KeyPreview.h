#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace controls {

// Key codes of the keys the viewer reacts to, in the numbering its commands use.
inline constexpr int KeyCodeNumpadPlus = 107;
inline constexpr int KeyCodeNumpadMinus = 109;

// The key code of a key press: the numeric keypad's plus and minus get their own
// codes, other keys their Qt key value.
int keyCodeOf(const QKeyEvent& event);

// Shows every key press that reaches a window from the window system to a handler
// before the focused control gets it. Keys the window uses itself are not shown:
// Tab, Shift+Tab, the arrow keys while a button has the focus, and the Enter that
// clicks a focused button. The key always goes on to the control.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int keyCode, Qt::KeyboardModifiers modifiers)>;

    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};

}  // namespace controls
