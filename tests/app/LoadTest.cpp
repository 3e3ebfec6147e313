// The "Load" command through the real window and its real file dialog.
#include <sys/stat.h>
#include <QFileDialog>
#include <QLocale>
#include <QTest>

#include <limits>

#include "ViewerFixture.h"
#include "app/ErrorDisplay.h"

using namespace testing_support;
using fixtures::reading;

namespace {

std::vector<data::DtsRecord> fiveReadings() {
    return {reading(21.5, 40.0, 1, 38086, 0.0), reading(22.0, 41.0, 1, 38086, 0.25),
            reading(-5.0, 80.0, 2, 38086, 0.5), reading(23.5, 43.0, 2, 38087, 0.75),
            reading(24.0, 44.0, 1, 36161, 0.5)};
}

QString appTitle() {
    return app::applicationTitle(QCoreApplication::applicationFilePath());
}

}  // namespace

class LoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void loadPlotsTheFileAndSummarisesIt() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("log.dts", fiveReadings()));
        const ShownState s = stateOf(w);
        QCOMPARE(s.title, std::vector<std::string>{"log.dts"});
        QCOMPARE(s.loadedFileName, std::string("log.dts"));
        QCOMPARE(s.recordCount, 5);
        QCOMPARE(s.temperatures, (std::vector<double>{21.5, 22.0, -5.0, 23.5, 24.0}));
        QCOMPARE(s.humidities, (std::vector<double>{40, 41, 80, 43, 44}));
        QCOMPARE(s.labels[0], std::string("09.04.2004 [00:00:00]"));
        QCOMPARE(s.labels[3], std::string("10.04.2004 [18:00:00]"));
        QCOMPARE(s.labels[4], std::string("01.01.1999 [12:00:00]"));
        QCOMPARE(s.entries, QStringList({"001", "002", "001"}));
        QCOMPARE(s.selectorText, QString("Prikazi sve zapise"));
        QCOMPARE(s.label1, QString("Ukupno tacaka: 5"));
        QCOMPARE(s.label2, QString("Start: 09.04.2004 [00:00:00]"));
        QCOMPARE(s.label3, QString("End  : 01.01.1999 [12:00:00]"));
        QVERIFY(!s.gaugeVisible);
        QCOMPARE(w.form.Gauge1->range().MaxValue(), 5);
        QCOMPARE(w.form.Gauge1->range().Progress(), 5);
        QCOMPARE(w.form.Series1->points().pointColour(2), (chart::Rgb{255, 0, 0}));
        QCOMPARE(w.form.Series2->points().pointColour(2), (chart::Rgb{0, 128, 0}));
    }

    void titleIsTheFileNameReadAsCommaText() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("log 1,a.dts", fiveReadings()));
        QCOMPARE(w.form.Chart1->model().titleLines(),
                 (std::vector<std::string>{"log", "1", "a.dts"}));
        QCOMPARE(w.measurements.LoadedFileName, std::string("log 1,a.dts"));
    }

    void timeSeparatorComesFromTheLocale() {
        QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));  // "H.mm"
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("log.dts", {reading(1, 2, 1, 38086, 0.5)}));
        QCOMPARE(w.form.Label2->caption(), QString("Start: 09.04.2004 [12.00.00]"));
    }

    void cancellingChangesNothing() {
        ViewerWindow w;
        const ShownState atStart = stateOf(w);
        cancelDialog(w);
        QVERIFY(stateOf(w) == atStart);
        QCOMPARE(w.form.Chart1->model().titleLines(), std::vector<std::string>{"TChart"});

        FileFolder files;
        loadThroughDialog(w, files.writeRecords("log.dts", fiveReadings()));
        const ShownState loaded = stateOf(w);
        cancelDialog(w);
        QVERIFY(stateOf(w) == loaded);
    }

    void aFileWithoutRecordsShowsNoTimestamps() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("full.dts", fiveReadings()));
        loadThroughDialog(w, files.writeBytes("short.dts", std::vector<unsigned char>(55, 7)));
        const ShownState s = stateOf(w);
        QCOMPARE(s.recordCount, 0);
        QVERIFY(s.temperatures.empty() && s.humidities.empty());
        QVERIFY(s.entries.isEmpty());
        QCOMPARE(s.label1, QString("Ukupno tacaka: 0"));
        QCOMPARE(s.label2, QString("Start: "));
        QCOMPARE(s.label3, QString("End  : "));
        QCOMPARE(s.title, std::vector<std::string>{"short.dts"});
    }

    void failedLoadsChangeNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "File not found.";
        QTest::newRow("named pipe") << "fifo"
                                    << "File access denied.";
        QTest::newRow("bad date") << "nan date"
                                  << "Invalid floating point operation.";
        QTest::newRow("date too far") << "huge time"
                                      << "Invalid floating point operation.";
    }
    void failedLoadsChangeNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("good.dts", fiveReadings()));
        const ShownState before = stateOf(w);

        QString path = files.path("bad.dts");
        std::vector<data::DtsRecord> records = fiveReadings();
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        } else if (kind == "nan date") {
            records.back().Date = std::numeric_limits<double>::quiet_NaN();
            files.writeRecords("bad.dts", records);
        } else if (kind == "huge time") {
            records[3].Time = 5e9;
            files.writeRecords("bad.dts", records);
        }
        const ShownMessage shown = failingLoad(w, path);
        QVERIFY(shown.shown);
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.caption, appTitle());
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttonCount, 1);
        QVERIFY(stateOf(w) == before);
        QCOMPARE(w.form.OpenDialog1->FileName, path);
    }

    void aFolderIsNoDtsFile() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("good.dts", fiveReadings()));
        const ShownState before = stateOf(w);
        ShownMessage shown;
        closeNextMessageBox(shown);
        // The dialog opens folders rather than returning them; the command refuses
        // one all the same.
        app::runGuarded([&] { w.form.loadFile(files.path(".")); });
        QCOMPARE(shown.text, QString("File access denied."));
        QVERIFY(stateOf(w) == before);
    }

    void aTypedNameOfNoFileIsAcceptedAndTheLoadFails() {
        ViewerWindow w;
        FileFolder files;
        ShownMessage shown;
        closeNextMessageBox(shown);
        whenModalShows<QFileDialog>([&](QFileDialog* dialog) {
            dialog->setDirectory(files.path("."));
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, "nothere");
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(w.form.BitBtn1, Qt::LeftButton);
        QCOMPARE(shown.text, QString("File not found."));
        QCOMPARE(w.form.OpenDialog1->FileName, files.path("nothere.dts"));  // default suffix
        QCOMPARE(w.form.Chart1->model().titleLines(), std::vector<std::string>{"TChart"});
    }

    void dialogRemembersTheLastConfirmedFileAndType() {
        ViewerWindow w;
        FileFolder files;
        const QString file = files.writeRecords("log.txt", fiveReadings());
        int typeChanges = 0;
        connect(w.form.OpenDialog1, &controls::OpenFileDialog::TypeChange, [&] { ++typeChanges; });
        whenModalShows<QFileDialog>([&](QFileDialog* dialog) {
            dialog->selectNameFilter(dialog->nameFilters().at(1));
            emit dialog->filterSelected(dialog->nameFilters().at(1));
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(w.form.BitBtn1, Qt::LeftButton);
        QCOMPARE(typeChanges, 1);
        QCOMPARE(w.form.Series1->Count(), std::size_t(5));

        QString typeShown;
        QStringList filesShown;
        whenModalShows<QFileDialog>([&](QFileDialog* dialog) {
            typeShown = dialog->selectedNameFilter();
            filesShown = dialog->selectedFiles();
            dialog->selectNameFilter(dialog->nameFilters().at(0));
            dialog->reject();
        });
        QTest::mouseClick(w.form.BitBtn1, Qt::LeftButton);
        QVERIFY2(typeShown.startsWith("All files"), qPrintable(typeShown));
        QCOMPARE(filesShown, QStringList({file}));
        QCOMPARE(w.form.OpenDialog1->FilterIndex, 2);  // the cancelled change is dropped
    }

    void selectorTextSurvivesLoads() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("one.dts", fiveReadings()));
        w.form.ComboBox1->setFocus();
        w.form.ComboBox1->lineEdit()->selectAll();
        w.type("003");
        QCOMPARE(w.form.ComboBox1->Text(), QString("003"));
        loadThroughDialog(w, files.writeRecords("two.dts", {reading(1, 2, 9)}));
        QCOMPARE(w.form.ComboBox1->Text(), QString("003"));
        QCOMPARE(stateOf(w).entries, QStringList({"009"}));
        QCOMPARE(w.form.Series1->Count(), std::size_t(1));
    }

    void filesBeyondSixtyFiveThousandRecordsLoadWhole() {
        ViewerWindow w;
        FileFolder files;
        std::vector<data::DtsRecord> records(70'000, reading(20, 50, 4));
        records.back().Temperature = 99;
        loadThroughDialog(w, files.writeRecords("big.dts", records));
        QCOMPARE(w.measurements.MeasurementStore.RecordCount(), 70'000);
        QCOMPARE(w.form.Series1->Count(), std::size_t(70'000));
        QCOMPARE(w.form.Series1->points().value(69'999), 99.0);
        QCOMPARE(w.form.Label1->caption(), QString("Ukupno tacaka: 70000"));
    }
};

QTEST_MAIN(LoadTest)
#include "LoadTest.moc"
