#pragma once

#include <QApplication>

namespace app {

// The application object. Handlers are entered through runGuarded already; this
// catches whatever else an input event might throw, so that the error display shows
// it and the event loop goes on.
class ViewerApplication : public QApplication {
    Q_OBJECT
public:
    ViewerApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace app
