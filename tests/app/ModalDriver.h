#pragma once
// Drives the modal dialogs and message boxes the window opens from inside a
// handler: an action is queued before the click that opens the dialog and runs as
// soon as a modal widget of the wanted kind is up.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testing_support {

template <typename Modal>
void whenModalShows(std::function<void(Modal*)> action) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        Modal* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        if (!modal && ++*tries < 2000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (modal) {
            action(modal);
        }
    });
    timer->start();
}

// What an error box showed; filled in when it is closed with its OK button.
struct ShownMessage {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
};

inline void closeNextMessageBox(ShownMessage& shown) {
    whenModalShows<QMessageBox>([&shown](QMessageBox* box) {
        shown.shown = true;
        shown.caption = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttonCount = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
}

}  // namespace testing_support
