#include "util/Checked.h"

#include <QTest>
#include <cmath>
#include <limits>

using Op = std::int32_t (*)(std::int32_t, std::int32_t);
Q_DECLARE_METATYPE(Op)

class TestChecked : public QObject {
    Q_OBJECT
private slots:
    void overflowRefused_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        const int max = std::numeric_limits<std::int32_t>::max();
        const int min = std::numeric_limits<std::int32_t>::min();
        QTest::newRow("add past max") << Op(&checked::Add) << max << 1;
        QTest::newRow("add past min") << Op(&checked::Add) << min << -1;
        QTest::newRow("sub past min") << Op(&checked::Sub) << min << 1;
        QTest::newRow("sub of min from 0") << Op(&checked::Sub) << 0 << min;
        QTest::newRow("mul") << Op(&checked::Mul) << 65536 << 32768;
        QTest::newRow("mul negative") << Op(&checked::Mul) << min << -1;
        QTest::newRow("div min by -1") << Op(&checked::Div) << min << -1;
    }
    void overflowRefused() {
        QFETCH(Op, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QVERIFY_THROWS_EXCEPTION(OverflowError, op(a, b));
    }

    void divisionTruncatesAndRefusesZero() {
        QCOMPARE(checked::Div(9000, 1440), 6);
        QCOMPARE(checked::Div(-9000, 1440), -6);
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError, (void)checked::Div(9000, 0));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Narrow(INT64_C(2147483648)));
    }

    void roundHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("97.5") << 97.5 << 98;
        QTest::newRow("just above half") << 2.5000000001 << 3;
    }
    void roundHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(checked::Round(value), rounded);
    }

    void roundRefusesOutOfRange() {
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Round(2147483647.5));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Round(-2147483649.0));
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, (void)checked::Round(std::nan("")));
        QCOMPARE(checked::Round(-2147483648.4), std::numeric_limits<std::int32_t>::min());
    }
};

QTEST_GUILESS_MAIN(TestChecked)
#include "tst_checked.moc"
