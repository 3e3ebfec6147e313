#include <QTest>
#include <stdexcept>

#include "ui/controls/Gauge.h"

using controls::GaugeRange;

// Counts the times the gauge draws itself.
class CountingGauge : public controls::Gauge {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        controls::Gauge::paintEvent(event);
    }
};

class GaugeTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtTwentyOfHundred() {
        const GaugeRange range;
        QCOMPARE(range.MinValue(), 0);
        QCOMPARE(range.MaxValue(), 100);
        QCOMPARE(range.Progress(), 20);
        QCOMPARE(range.percent(), 20);
    }

    void percentages_data() {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("storedProgress");
        QTest::newRow("equal limits show 0%") << 0 << 5 << 0 << 0;
        QTest::newRow("one of three") << 3 << 1 << 33 << 1;
        QTest::newRow("two of three") << 3 << 2 << 66 << 2;
        QTest::newRow("three of three") << 3 << 3 << 100 << 3;
        QTest::newRow("clamped above") << 3 << 9 << 100 << 3;
        QTest::newRow("clamped below") << 3 << -4 << 0 << 0;
        QTest::newRow("huge maximum") << 2147483647 << 2147483646 << 99 << 2147483646;
    }
    void percentages() {
        QFETCH(int, maximum);
        QFETCH(int, progress);
        QFETCH(int, percent);
        QFETCH(int, storedProgress);
        GaugeRange range;
        range.setMaxValue(maximum);
        range.setMinValue(0);
        range.setProgress(progress);
        QCOMPARE(range.percent(), percent);
        QCOMPARE(range.Progress(), storedProgress);
    }

    void limitsMoveTheProgress() {
        GaugeRange range;  // progress 20
        QVERIFY(range.setMaxValue(10));
        QCOMPARE(range.Progress(), 10);
        QVERIFY(range.setMinValue(5));
        QVERIFY(range.setMinValue(8));
        QCOMPARE(range.Progress(), 10);
        QVERIFY(range.setMaxValue(50));
        QVERIFY(range.setMinValue(30));
        QCOMPARE(range.Progress(), 30);
        QVERIFY(!range.setMinValue(30));  // its current value: nothing happens
        QVERIFY(!range.setMaxValue(50));
    }

    void limitsAcrossEachOtherAreRefused() {
        GaugeRange range;
        range.setMaxValue(100);
        range.setMinValue(0);
        auto messageOf = [](auto set) -> QString {
            try {
                set();
            } catch (const std::runtime_error& failure) {
                return failure.what();
            }
            return "accepted";
        };
        QCOMPARE(messageOf([&] { range.setMaxValue(-1); }),
                 QString("Value must be between 1 and 2147483647"));
        QCOMPARE(messageOf([&] { range.setMinValue(101); }),
                 QString("Value must be between -2147483647 and 99"));
        QCOMPARE(range.MaxValue(), 100);
        QCOMPARE(range.MinValue(), 0);
        QCOMPARE(messageOf([&] { range.setMaxValue(0); }), QString("accepted"));
    }

    void redrawsAtOnceOnlyWhenTheWholePercentChanges() {
        CountingGauge gauge;
        gauge.resize(201, 25);
        gauge.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gauge));
        gauge.setMaxValue(1000);
        gauge.setMinValue(0);
        gauge.setProgress(0);
        const int before = gauge.paints;
        // No event loop runs here: every paint counted is an immediate redraw.
        for (int progress = 1; progress <= 1000; ++progress) {
            gauge.setProgress(progress);
        }
        QCOMPARE(gauge.paints - before, 100);
        gauge.setProgress(1000);
        QCOMPARE(gauge.paints - before, 100);
    }
};

QTEST_MAIN(GaugeTest)
#include "GaugeTest.moc"
