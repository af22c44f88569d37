#include "chart/CycleModel.h"
#include "util/RuntimeError.h"

#include <QTest>

using namespace chart;

class TestCycleModel : public QObject {
    Q_OBJECT
private slots:
    void primaryValues_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("H");
        QTest::addColumn<double>("t");
        QTest::addColumn<int>("value");
        // Born 1 January 1960, chart from 1 January 2000: 14610 days.
        const double H = 350640;
        QTest::newRow("Physical 2000") << 1 << H << 0.0 << 96;
        QTest::newRow("Emotional 2000") << 2 << H << 0.0 << -96;
        QTest::newRow("Intellectual 2000") << 3 << H << 0.0 << -97;
        QTest::newRow("Intuitive 2000") << 4 << H << 0.0 << 16;
        QTest::newRow("Physical 2000 +1 day") << 1 << H << 24.0 << 98;
        QTest::newRow("Intuitive 2000 +1 day") << 4 << H << 24.0 << 0;
        // Chart starting on the birth date.
        QTest::newRow("birth") << 1 << 0.0 << 0.0 << 0;
        QTest::newRow("first sample rises") << 1 << 0.0 << 3.0 << 3;
        QTest::newRow("quarter of 23 days") << 1 << 0.0 << 138.0 << 98;
        QTest::newRow("half of 23 days") << 1 << 0.0 << 276.0 << 0;
        QTest::newRow("three quarters") << 1 << 0.0 << 414.0 << -98;
        QTest::newRow("quarter of 38 days") << 4 << 0.0 << 228.0 << 98;
        // A birth date a century back: the angle is used unreduced.
        QTest::newRow("century, whole periods") << 1 << 23.0 * 24 * 1600 << 0.0 << 0;
        QTest::newRow("century, quarter") << 1 << 23.0 * 24 * 1600 << 138.0 << 98;
    }
    void primaryValues() {
        QFETCH(int, kind);
        QFETCH(double, H);
        QFETCH(double, t);
        QFETCH(int, value);
        QCOMPARE(PrimaryValue(MakeCycleTables(), kind, H, t), value);
    }

    void combinedValues_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("H");
        QTest::addColumn<int>("value");
        QTest::newRow("Passion 2000") << 5 << 350640.0 << 0;
        QTest::newRow("Wisdom 2000") << 6 << 350640.0 << -96;
        QTest::newRow("Mastery 2000") << 7 << 350640.0 << -1;
        QTest::newRow("Passion at birth") << 5 << 0.0 << 0;
    }
    void combinedValues() {
        QFETCH(int, kind);
        QFETCH(double, H);
        QFETCH(int, value);
        const Components c = CombinedComponents(kind);
        QCOMPARE(CombinedValue(MakeCycleTables(), c.p, c.q, H, 0), value);
    }

    void combinedIsTheMeanOfItsComponents() {
        const CycleTables t = MakeCycleTables();
        // Equal components give the component itself.
        for (double h = 0; h <= 1440; h += 37)
            QCOMPARE(CombinedValue(t, 2, 2, 1234.0, h), PrimaryValue(t, 2, 1234.0, h));
        // At 3864 hours (7 Physical periods) Physical is 0 and Emotional, at
        // 5.75 periods, is -98: the mean is half of Emotional.
        QCOMPARE(PrimaryValue(t, 1, 0, 3864), 0);
        QCOMPARE(CombinedValue(t, 1, 2, 0, 3864), -49);
        for (double h = 0; h < 24 * 38 * 2; h += 5) {
            for (int k = 1; k <= 4; ++k)
                QVERIFY(qAbs(PrimaryValue(t, k, 1e6, h)) <= 98);
            QVERIFY(qAbs(CombinedValue(t, 1, 3, 1e6, h)) <= 98);
        }
    }

    void badKindsAreRefused() {
        const CycleTables t = MakeCycleTables();
        QVERIFY_THROWS_EXCEPTION(SubscriptError, PrimaryValue(t, 5, 0, 0));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, PrimaryValue(t, 0, 0, 0));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, CombinedValue(t, 1, 7, 0, 0));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, t.CycleColor[8]);
        QVERIFY_THROWS_EXCEPTION(SubscriptError, CombinedComponents(4));
    }
};

QTEST_GUILESS_MAIN(TestCycleModel)
#include "tst_cyclemodel.moc"
