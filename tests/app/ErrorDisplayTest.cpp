#include "app/ErrorDisplay.h"

#include <QTest>
#include <stdexcept>

#include "ModalDriver.h"

using testing_support::ShownMessage;

class ErrorDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void periodRule_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 103"
                               << "I/O error 103.";
        QTest::newRow("period") << "Done."
                                << "Done.";
        QTest::newRow("bracket") << "Bad value (3)"
                                 << "Bad value (3)";
        QTest::newRow("blank") << "Ends in a blank "
                               << "Ends in a blank ";
        QTest::newRow("line break") << "Two\nlines\n"
                                    << "Two\nlines\n";
        QTest::newRow("minus") << "Range -"
                               << "Range -";
        QTest::newRow("slash") << "a/b"
                               << "a/b.";
        QTest::newRow("above 127")
            << QString::fromUtf8("Gre\u0161ka") << QString::fromUtf8("Gre\u0161ka.");
        QTest::newRow("empty") << ""
                               << "";
    }
    void periodRule() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(app::withClosingPeriod(message), shown);
    }

    void applicationTitleRule() {
        QCOMPARE(app::applicationTitle("C:/Tools/VIEWER.EXE"), QString("Viewer"));
        QCOMPARE(app::applicationTitle("/opt/dts.viewer.exe"), QString("dts"));
        QCOMPARE(app::applicationTitle("/usr/local/bin/dtsviewer"), QString("dtsviewer"));
        QCOMPARE(app::applicationTitle("/usr/bin/DTSViewer"), QString("Dtsviewer"));
    }

    void failureIsShownInACriticalBoxAndTheLoopGoesOn() {
        ShownMessage shown;
        testing_support::closeNextMessageBox(shown);
        bool afterFailure = false;
        app::runGuarded([&] {
            throw std::runtime_error("File not found");
            afterFailure = true;
        });
        QVERIFY(shown.shown);
        QVERIFY(!afterFailure);
        QCOMPARE(shown.text, QString("File not found."));
        QCOMPARE(shown.caption, app::applicationTitle(QCoreApplication::applicationFilePath()));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttonCount, 1);

        // The loop still runs events after the box is gone.
        bool later = false;
        QTimer::singleShot(0, [&] { later = true; });
        QTRY_VERIFY(later);
    }

    void silentAbortShowsNothing() {
        ShownMessage shown;
        testing_support::closeNextMessageBox(shown);
        app::runGuarded([] { throw app::SilentAbort(); });
        QTest::qWait(50);
        QVERIFY(!shown.shown);
        // The waiting driver takes the next box instead.
        app::runGuarded([] { throw std::runtime_error("x"); });
        QVERIFY(shown.shown);
    }

    void outOfMemoryHasAMessage() {
        ShownMessage shown;
        testing_support::closeNextMessageBox(shown);
        app::runGuarded([] { throw std::bad_alloc(); });
        QCOMPARE(shown.text, QString("Out of memory."));
    }
};

QTEST_MAIN(ErrorDisplayTest)
#include "ErrorDisplayTest.moc"
