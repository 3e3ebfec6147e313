// The group filter through the real window: picking and typing a group.
#include <QLocale>
#include <QTest>

#include "ViewerFixture.h"

using namespace testing_support;
using fixtures::reading;

namespace {

// Group 1 comes back after group 2; group 3 has one reading.
std::vector<data::DtsRecord> groupedReadings() {
    return {reading(21.0, 40.0, 1, 38086, 0.0),  reading(22.0, 41.0, 1, 38086, 0.25),
            reading(-5.0, 80.0, 2, 38086, 0.5),  reading(23.0, 43.0, 2, 38086, 0.75),
            reading(24.0, 44.0, 1, 38087, 0.25), reading(25.0, 45.0, 3, 38088, 0.5)};
}

struct LoadedWindow : ViewerWindow {
    FileFolder files;
    LoadedWindow() { loadThroughDialog(*this, files.writeRecords("log.dts", groupedReadings())); }

    void retype(const QString& text) {
        form.ComboBox1->setFocus();
        form.ComboBox1->lineEdit()->selectAll();
        press(Qt::Key_Delete);
        type(text);
    }
};

}  // namespace

class FilterTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void pickingAGroupJoinsItsRunsIntoOneCurve() {
        LoadedWindow w;
        w.form.ComboBox1->setFocus();
        w.press(Qt::Key_Down);  // the first entry, 001
        QCOMPARE(w.form.ComboBox1->Text(), QString("001"));
        const ShownState s = stateOf(w);
        QCOMPARE(s.temperatures, (std::vector<double>{21.0, 22.0, 24.0}));
        QCOMPARE(s.humidities, (std::vector<double>{40.0, 41.0, 44.0}));
        QCOMPARE(s.labels,
                 (std::vector<std::string>{"09.04.2004 [00:00:00]", "09.04.2004 [06:00:00]",
                                           "10.04.2004 [06:00:00]"}));
        QCOMPARE(s.label1, QString("Ukupno tacaka: 3"));
        QCOMPARE(s.label2, QString("Start: 09.04.2004 [00:00:00]"));
        QCOMPARE(s.label3, QString("End :10.04.2004 [06:00:00]"));
        QCOMPARE(s.title, std::vector<std::string>{"log.dts-001"});
        QVERIFY(!s.gaugeVisible);
        QCOMPARE(w.form.Gauge1->range().MaxValue(), 6);
        QCOMPARE(w.form.Series1->points().pointColour(0), (chart::Rgb{255, 0, 0}));
        QCOMPARE(w.form.Series2->points().pointColour(0), (chart::Rgb{0, 128, 0}));
        QCOMPARE(w.form.Chart1->model().bottomRange().maximum, 2.0);  // X 0, 1, 2
        // The filter reads the store only; the store and the list are as loaded.
        QCOMPARE(w.measurements.MeasurementStore.RecordCount(), 6);
        QCOMPARE(s.entries, QStringList({"001", "002", "001", "003"}));
    }

    void typingRunsTheFilterAtEveryKeystroke() {
        LoadedWindow w;
        QStringList titles;
        QList<int> counts;
        connect(w.form.ComboBox1, &controls::PickListEdit::textChangedByUser, [&] {
            // Runs after the window's own handler, so it sees the result.
            titles << QString::fromStdString(w.form.Chart1->model().titleLines().front());
            counts << static_cast<int>(w.form.Series1->Count());
        });
        w.retype("003");
        QCOMPARE(titles, QStringList({"log.dts-", "log.dts-0", "log.dts-00", "log.dts-003"}));
        QCOMPARE(counts, QList<int>({0, 0, 0, 1}));
        QCOMPARE(w.form.Label1->caption(), QString("Ukupno tacaka: 1"));
        QCOMPARE(w.form.Label2->caption(), QString("Start: 11.04.2004 [12:00:00]"));
        QCOMPARE(w.form.Label3->caption(), QString("End :11.04.2004 [12:00:00]"));
    }

    void textsThatNameNoGroupEmptyTheChartButKeepStartAndEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<std::string>>("title");
        QTest::newRow("no leading zeros") << "3" << std::vector<std::string>{"log.dts-3"};
        QTest::newRow("leading blank") << " 003" << std::vector<std::string>{"log.dts-", "003"};
        QTest::newRow("trailing blank") << "003 " << std::vector<std::string>{"log.dts-003"};
        QTest::newRow("group not in file") << "004" << std::vector<std::string>{"log.dts-004"};
        QTest::newRow("comma") << "0,1" << std::vector<std::string>{"log.dts-0", "1"};
    }
    void textsThatNameNoGroupEmptyTheChartButKeepStartAndEnd() {
        QFETCH(QString, text);
        QFETCH(std::vector<std::string>, title);
        LoadedWindow w;
        w.retype("001");
        // Typing runs the filter at every keystroke; the lines keep the last match's.
        w.retype(text.chopped(1));
        const ShownState filtered = stateOf(w);
        w.type(text.right(1));
        const ShownState s = stateOf(w);
        QVERIFY(s.temperatures.empty() && s.humidities.empty());
        QCOMPARE(s.label1, QString("Ukupno tacaka: 0"));
        QCOMPARE(s.label2, filtered.label2);
        QCOMPARE(s.label3, filtered.label3);
        QCOMPARE(s.title, title);
    }

    void beforeAnyLoadTheTitleIsAHyphenAndTheText() {
        ViewerWindow w;
        w.form.ComboBox1Change();  // the initial text, as a change would see it
        QCOMPARE(w.form.Chart1->model().titleLines(),
                 (std::vector<std::string>{"-Prikazi", "sve", "zapise"}));
        QCOMPARE(w.form.Label1->caption(), QString("Ukupno tacaka: 0"));
        QCOMPARE(w.form.Label2->caption(), QString("Start"));
        QCOMPARE(w.form.Series1->Count(), std::size_t(0));
    }

    void groupZeroIsFoundOnlyInLoadedSlots() {
        ViewerWindow w;
        FileFolder files;
        loadThroughDialog(w, files.writeRecords("zero.dts", {reading(1, 2, 0), reading(3, 4, 5),
                                                             reading(6, 7, 0)}));
        w.form.ComboBox1->setFocus();
        w.form.ComboBox1->lineEdit()->selectAll();
        w.type("000");
        QCOMPARE(stateOf(w).temperatures, (std::vector<double>{1, 6}));
    }

    void aNewLoadShowsAllRecordsWhileTheFieldKeepsItsText() {
        LoadedWindow w;
        w.retype("003");
        loadThroughDialog(w, w.files.writeRecords("next.dts", groupedReadings()));
        const ShownState s = stateOf(w);
        QCOMPARE(s.selectorText, QString("003"));
        QCOMPARE(s.temperatures.size(), std::size_t(6));
        QCOMPARE(s.label1, QString("Ukupno tacaka: 6"));
        QCOMPARE(s.label3, QString("End  : 11.04.2004 [12:00:00]"));
        QCOMPARE(s.title, std::vector<std::string>{"next.dts"});
        // Filtering again uses the new file's name.
        w.retype("002");
        QCOMPARE(stateOf(w).title, std::vector<std::string>{"next.dts-002"});
    }
};

QTEST_MAIN(FilterTest)
#include "FilterTest.moc"
