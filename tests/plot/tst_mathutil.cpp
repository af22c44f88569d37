#include "plot/modMathUtil.h"

#include <QTest>
#include <cmath>

using namespace modMathUtil;

class TestMathUtil : public QObject {
    Q_OBJECT
private slots:
    void equalArgumentsReturnTheSecond() {
        // +0 and -0 compare equal, so the sign tells which argument came back.
        QVERIFY(std::signbit(MaxDbl(0.0, -0.0)));
        QVERIFY(!std::signbit(MaxDbl(-0.0, 0.0)));
        QVERIFY(std::signbit(MinDbl(0.0, -0.0)));
        QVERIFY(!std::signbit(MinDbl(-0.0, 0.0)));
    }

    void clampWithLowAboveHighGivesHigh() {
        QCOMPARE(ClampLng(5, 10, 3), 3);
        QCOMPARE(ClampLng(50, 10, 3), 3);
        QCOMPARE(ClampDbl(5, 10, 3), 3.0);
        QCOMPARE(ClampLng(1570, 1600, 10240), 1600);
        QCOMPARE(ClampLng(13600, 1600, 10240), 10240);
    }

    void sinDegFollowsItsConstant_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("30") << 30.0 << 0.4999999999998858 << 1e-16;
        QTest::newRow("90") << 90.0 << 1.0 << 0.0;
        QTest::newRow("180 is not 0") << 180.0 << 7.9149e-13 << 1e-15;
    }
    void sinDegFollowsItsConstant() {
        QFETCH(double, degrees);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double s = SinDeg(degrees);
        QVERIFY2(std::fabs(s - expected) <= tolerance, qPrintable(QString::number(s, 'g', 17)));
    }
};

QTEST_GUILESS_MAIN(TestMathUtil)
#include "tst_mathutil.moc"
