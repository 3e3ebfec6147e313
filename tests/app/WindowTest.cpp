// The window as laid out: components, places, fonts, focus, resizing.
#include <QCheckBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QTest>

#include "ViewerFixture.h"
#include "app/ErrorDisplay.h"
#include "data/FileName.h"

using namespace testing_support;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void componentsHaveTheirDesignNames() {
        ViewerWindow w;
        const char* names[] = {"Chart1",       "OpenDialog1",  "Panel1",      "Gauge1",
                               "BitBtn1",      "CheckBox1",    "CheckBox2",   "BitBtn2",
                               "Label1",       "Label2",       "Label3",      "PrinterSetupDialog1",
                               "Image1",       "Series1",      "Series2",     "ComboBox1",
                               "SpeedButton2", "SpeedButton1", "SpeedButton3"};
        for (const char* name : names) {
            QVERIFY2(w.form.findChild<QObject*>(name), name);
        }
        QCOMPARE(w.form.objectName(), QString("Form1"));
        QCOMPARE(w.form.Series1->parent(), static_cast<QObject*>(w.form.Chart1));
    }

    void panelControlsSitWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Load") << "BitBtn1" << QRect(16, 8, 81, 25);
        QTest::newRow("Print") << "BitBtn2" << QRect(16, 40, 81, 25);
        QTest::newRow("gauge") << "Gauge1" << QRect(112, 8, 201, 25);
        QTest::newRow("Zoom-") << "SpeedButton1" << QRect(160, 75, 65, 20);
        QTest::newRow("Normal") << "SpeedButton3" << QRect(232, 75, 65, 20);
        QTest::newRow("Zoom") << "SpeedButton2" << QRect(304, 75, 65, 20);
        QTest::newRow("selector") << "ComboBox1" << QRect(320, 8, 121, 21);
        QTest::newRow("logo") << "Image1" << QRect(385, 48, 185, 44);
        QTest::newRow("3D") << "CheckBox1" << QRect(448, 8, 65, 17);
        QTest::newRow("Points") << "CheckBox2" << QRect(520, 8, 49, 17);
    }
    void panelControlsSitWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        ViewerWindow w;
        auto* control = w.form.Panel1->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
    }

    void windowAtItsDesignedSize() {
        ViewerWindow w;
        QCOMPARE(w.form.windowTitle(),
                 QString("Prikaz grafika iz DTS fajlova - ver:1.4 - 09.04.2004."));
        QCOMPARE(w.form.size(), QSize(579, 405));
        QCOMPARE(w.form.Chart1->geometry(), QRect(0, 0, 579, 304));
        QCOMPARE(w.form.Panel1->geometry(), QRect(0, 304, 579, 101));
        QCOMPARE(w.form.Label1->pos(), QPoint(112, 20));
        QCOMPARE(w.form.Label2->pos(), QPoint(112, 36));
        QCOMPARE(w.form.Label3->pos(), QPoint(112, 52));
    }

    void initialState() {
        ViewerWindow w;
        QVERIFY(!w.form.Gauge1->isVisible());
        QCOMPARE(w.form.Gauge1->range().Progress(), 20);
        QCOMPARE(w.form.Label1->caption(), QString("Ukupno zapisa"));
        QCOMPARE(w.form.Label2->caption(), QString("Start"));
        QCOMPARE(w.form.Label3->caption(), QString("End"));
        QCOMPARE(w.form.ComboBox1->Text(), QString("Prikazi sve zapise"));
        QCOMPARE(w.form.ComboBox1->count(), 0);
        QVERIFY(!w.form.CheckBox1->isChecked());
        QVERIFY(!w.form.CheckBox2->isChecked());
        QCOMPARE(w.form.Chart1->model().titleLines(), std::vector<std::string>{"TChart"});
        QCOMPARE(w.form.Series1->Count(), std::size_t(0));
    }

    void summaryLabelsAreFixedPitchAndSizeToTheirText() {
        ViewerWindow w;
        QVERIFY(QFontInfo(w.form.Label2->font()).fixedPitch());
        const int before = w.form.Label2->width();
        w.form.Label2->setCaption("Start: 09.04.2004 [12:00:00]");
        QVERIFY(w.form.Label2->width() > before);
    }

    void resizingKeepsThePanelAndItsControls() {
        ViewerWindow w;
        w.form.resize(300, 500);
        QTRY_COMPARE(w.form.Panel1->geometry(), QRect(0, 399, 300, 101));
        QCOMPARE(w.form.Chart1->geometry(), QRect(0, 0, 300, 399));
        QCOMPARE(w.form.ComboBox1->geometry(), QRect(320, 8, 121, 21));  // cut off, not moved
        w.form.resize(579, 60);
        QTRY_COMPARE(w.form.Panel1->geometry(), QRect(0, -41, 579, 101));
        QCOMPARE(w.form.Chart1->height(), 0);
    }

    void focusStartsOnLoadAndTabCyclesInDesignOrder() {
        ViewerWindow w;
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.form.BitBtn1));
        const QList<QWidget*> order = {w.form.CheckBox1, w.form.CheckBox2, w.form.BitBtn2,
                                       w.form.ComboBox1, w.form.BitBtn1};
        for (QWidget* next : order) {
            w.press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        for (QWidget* never :
             {static_cast<QWidget*>(w.form.SpeedButton1),
              static_cast<QWidget*>(w.form.SpeedButton2),
              static_cast<QWidget*>(w.form.SpeedButton3), static_cast<QWidget*>(w.form.Chart1),
              static_cast<QWidget*>(w.form.Panel1)}) {
            QCOMPARE(never->focusPolicy(), Qt::NoFocus);
        }
    }

    void enterOnLoadOpensTheDialogInTheProgramsFolder() {
        ViewerWindow w;
        QString title, folder;
        QStringList filters;
        whenModalShows<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            dialog->reject();
        });
        w.press(Qt::Key_Return);
        QCOMPARE(title, QString("Ucitavanje datoteke"));
        const std::string program = QCoreApplication::applicationFilePath().toStdString();
        QCOMPARE(folder, QString::fromStdString(data::folderOf(program)));
        QCOMPARE(w.form.OpenDialog1->InitialDir, folder);
        QCOMPARE(filters, QStringList({"Data fajlovi (*.dts) (*.dts)", "All files (*)"}));
    }

    void glyphsAndLogoAreTransparentWhereTheirCornerColourIs() {
        ViewerWindow w;
        for (QPushButton* button :
             {static_cast<QPushButton*>(w.form.BitBtn1), static_cast<QPushButton*>(w.form.BitBtn2),
              static_cast<QPushButton*>(w.form.SpeedButton1),
              static_cast<QPushButton*>(w.form.SpeedButton2)}) {
            const QImage glyph = button->icon().pixmap(16, 16).toImage();
            QCOMPARE(glyph.size(), QSize(16, 16));
            QCOMPARE(qAlpha(glyph.pixel(0, 15)), 0);
            QCOMPARE(qAlpha(glyph.pixel(7, 7)), 255);
        }
        QVERIFY(w.form.SpeedButton3->icon().isNull());
        const QImage logo = w.form.Image1->pixmap().toImage();
        QCOMPARE(logo.size(), QSize(180, 42));
        QCOMPARE(qAlpha(logo.pixel(0, 41)), 0);
    }

    void applicationTitleComesFromTheProgramFile() {
        QCOMPARE(app::applicationTitle(QCoreApplication::applicationFilePath()),
                 QString("window_test"));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
