#include "plot/modMathUtil.h"

#include <QTest>
#include <cmath>

using namespace modMathUtil;

class TestMathUtil : public QObject {
    Q_OBJECT
private slots:
    void equalArgumentsReturnTheSecond();
    void minMax();
    void clamp_data();
    void clamp();
    void sinDegFollowsItsConstant_data();
    void sinDegFollowsItsConstant();
};

void TestMathUtil::equalArgumentsReturnTheSecond() {
    // +0 and -0 compare equal, so the sign tells which argument came back.
    QVERIFY(std::signbit(MaxDbl(0.0, -0.0)));
    QVERIFY(!std::signbit(MaxDbl(-0.0, 0.0)));
    QVERIFY(std::signbit(MinDbl(0.0, -0.0)));
    QVERIFY(!std::signbit(MinDbl(-0.0, 0.0)));
}

void TestMathUtil::minMax() {
    QCOMPARE(MaxDbl(1.5, -2.0), 1.5);
    QCOMPARE(MinDbl(1.5, -2.0), -2.0);
    QCOMPARE(MaxLng(-3, 7), 7);
    QCOMPARE(MinLng(-3, 7), -3);
    QCOMPARE(MinDbl(14610, 30), 30.0);
    QCOMPARE(MinDbl(10, 30), 10.0);
}

void TestMathUtil::clamp_data() {
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 2000 << 1600 << 10240 << 2000;
    QTest::newRow("below") << 1570 << 1600 << 10240 << 1600;
    QTest::newRow("above") << 13600 << 1600 << 10240 << 10240;
    QTest::newRow("lo above hi gives hi") << 5 << 10 << 3 << 3;
    QTest::newRow("lo above hi, v above both") << 50 << 10 << 3 << 3;
}

void TestMathUtil::clamp() {
    QFETCH(int, v);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, expected);
    QCOMPARE(ClampLng(v, lo, hi), expected);
    QCOMPARE(ClampDbl(v, lo, hi), double(expected));
}

void TestMathUtil::sinDegFollowsItsConstant_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("30") << 30.0 << 0.4999999999998858 << 1e-16;
    QTest::newRow("90") << 90.0 << 1.0 << 0.0;
    QTest::newRow("180 is not 0") << 180.0 << 7.9149e-13 << 1e-16 * 10;
    QTest::newRow("0") << 0.0 << 0.0 << 0.0;
}

void TestMathUtil::sinDegFollowsItsConstant() {
    QFETCH(double, degrees);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double s = SinDeg(degrees);
    QVERIFY2(std::fabs(s - expected) <= tolerance, qPrintable(QString::number(s, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestMathUtil)
#include "tst_mathutil.moc"
