#include "app/ErrorDisplay.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <new>

namespace app {

QString withClosingPeriod(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') {
        return message + QLatin1Char('.');
    }
    return message;
}

QString applicationTitle(const QString& programFilePath) {
    QString name = QFileInfo(programFilePath).fileName();
    const qsizetype period = name.indexOf(QLatin1Char('.'));
    if (period >= 0) {
        name.truncate(period);
    }
    if (name.size() > 1) {
        name = name.left(1) + name.mid(1).toLower();
    }
    return name;
}

void showErrorMessage(const QString& message) {
    QMessageBox box(QMessageBox::Critical,
                    applicationTitle(QCoreApplication::applicationFilePath()),
                    withClosingPeriod(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorDisplay"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void displayCurrentException() noexcept {
    try {
        if (QWidget* grabber = QWidget::mouseGrabber()) {
            grabber->releaseMouse();
        }
        try {
            throw;
        } catch (const SilentAbort&) {
            return;
        } catch (const std::bad_alloc&) {
            showErrorMessage(QStringLiteral("Out of memory"));
        } catch (const std::exception& failure) {
            showErrorMessage(QString::fromUtf8(failure.what()));
        } catch (...) {
            showErrorMessage(QStringLiteral("Unknown failure"));
        }
    } catch (...) {
        // Showing the message failed too; there is nobody left to tell.
    }
}

}  // namespace app
