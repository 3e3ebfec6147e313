#include "app/ViewerApplication.h"

#include <QIcon>

#include "app/ErrorDisplay.h"

namespace app {

ViewerApplication::ViewerApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
}

bool ViewerApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        displayCurrentException();
        return true;
    }
}

}  // namespace app
