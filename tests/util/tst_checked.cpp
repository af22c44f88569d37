#include "util/BoundedArray.h"
#include "util/Checked.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestChecked : public QObject {
    Q_OBJECT
private slots:
    void overflowRefused_data();
    void overflowRefused();
    void inRangeResults();
    void roundHalvesToEven_data();
    void roundHalvesToEven();
    void roundRefusesOutOfRange();
    void boundedArrayBounds();
};

using Op = std::int32_t (*)(std::int32_t, std::int32_t);
Q_DECLARE_METATYPE(Op)

void TestChecked::overflowRefused_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("divisionByZero");
    const int max = std::numeric_limits<std::int32_t>::max();
    const int min = std::numeric_limits<std::int32_t>::min();
    QTest::newRow("add past max") << Op(&checked::Add) << max << 1 << false;
    QTest::newRow("add past min") << Op(&checked::Add) << min << -1 << false;
    QTest::newRow("sub past min") << Op(&checked::Sub) << min << 1 << false;
    QTest::newRow("sub of min from 0") << Op(&checked::Sub) << 0 << min << false;
    QTest::newRow("mul") << Op(&checked::Mul) << 65536 << 32768 << false;
    QTest::newRow("mul negative") << Op(&checked::Mul) << min << -1 << false;
    QTest::newRow("div min by -1") << Op(&checked::Div) << min << -1 << false;
    QTest::newRow("div by zero") << Op(&checked::Div) << 9000 << 0 << true;
}

void TestChecked::overflowRefused() {
    QFETCH(Op, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, divisionByZero);
    if (divisionByZero)
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError, op(a, b));
    else
        QVERIFY_THROWS_EXCEPTION(OverflowError, op(a, b));
}

void TestChecked::inRangeResults() {
    QCOMPARE(checked::Div(9000, 1440), 6);
    QCOMPARE(checked::Div(-9000, 1440), -6); // truncates toward zero
    QCOMPARE(checked::Mul(-32768, 65536), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(checked::Narrow(INT64_C(2147483647)), 2147483647);
    QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Narrow(INT64_C(2147483648)));
}

void TestChecked::roundHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("97.5") << 97.5 << 98;
    QTest::newRow("96.5") << 96.5 << 96;
    QTest::newRow("just above half") << 2.5000000001 << 3;
    QTest::newRow("-97.4") << -97.4 << -97;
}

void TestChecked::roundHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(checked::Round(value), rounded);
}

void TestChecked::roundRefusesOutOfRange() {
    QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Round(2147483647.5));
    QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Round(-2147483649.0));
    QVERIFY_THROWS_EXCEPTION(FloatingPointError, (void)checked::Round(std::nan("")));
    QVERIFY_THROWS_EXCEPTION(FloatingPointError, (void)checked::Round(HUGE_VAL));
    QCOMPARE(checked::Round(-2147483648.4), std::numeric_limits<std::int32_t>::min());
}

void TestChecked::boundedArrayBounds() {
    BoundedArray<int, 1, 7> fromOne{10, 20, 30, 40, 50, 60, 70};
    QCOMPARE(fromOne[1], 10);
    QCOMPARE(fromOne[7], 70);
    QVERIFY_THROWS_EXCEPTION(SubscriptError, fromOne[0]);
    QVERIFY_THROWS_EXCEPTION(SubscriptError, fromOne[8]);

    BoundedArray<QString, 0, 999> names;
    names[999] = QStringLiteral("last");
    QCOMPARE(names[999], QStringLiteral("last"));
    QVERIFY(names[0].isEmpty());
    QVERIFY_THROWS_EXCEPTION(SubscriptError, names[1000]);
    QVERIFY_THROWS_EXCEPTION(SubscriptError, names[-1]);
}

QTEST_GUILESS_MAIN(TestChecked)
#include "tst_checked.moc"
