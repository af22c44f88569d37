#include "chart/DrawChart.h"
#include "plot/RecordingSurface.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

class TestDrawChart : public QObject {
    Q_OBJECT
private slots:
    void spans_data() {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("display");
        QTest::addColumn<bool>("centreTicked");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("marker");
        QTest::addColumn<double>("hours");
        const QDate b(1960, 1, 1);
        const QDate y2k(2000, 1, 1);
        QTest::newRow("not centred") << b << y2k << false << y2k << y2k << 350640.0;
        QTest::newRow("centred, 14610 days")
            << b << y2k << true << QDate(1999, 12, 2) << y2k << 349920.0;
        QTest::newRow("born that day: no centring") << b << b << true << b << b << 0.0;
        QTest::newRow("10 days old")
            << b << QDate(1960, 1, 11) << true << b << QDate(1960, 1, 11) << 0.0;
        QTest::newRow("30 days old")
            << b << QDate(1960, 1, 31) << true << b << QDate(1960, 1, 31) << 0.0;
        QTest::newRow("31 days old")
            << b << QDate(1960, 2, 1) << true << QDate(1960, 1, 2) << QDate(1960, 2, 1) << 24.0;
        QTest::newRow("a century back")
            << QDate(1901, 1, 1) << QDate(2040, 12, 31) << false << QDate(2040, 12, 31)
            << QDate(2040, 12, 31) << 51134.0 * 24;
    }
    void spans() {
        QFETCH(QDate, birth);
        QFETCH(QDate, display);
        QFETCH(bool, centreTicked);
        QFETCH(QDate, start);
        QFETCH(QDate, marker);
        QFETCH(double, hours);
        const auto span = ChooseChartSpan(birth, display, centreTicked);
        QVERIFY(span.has_value());
        QCOMPARE(span->days, int(birth.daysTo(display)));
        QCOMPARE(span->start, start);
        QCOMPARE(span->marker, marker);
        QCOMPARE(span->hours, hours);
    }

    void bornAfterDisplayDateGivesNoSpan() {
        QVERIFY(!ChooseChartSpan(QDate(2000, 1, 2), QDate(2000, 1, 1), false));
        QVERIFY(!ChooseChartSpan(QDate(2000, 1, 2), QDate(2000, 1, 1), true));
    }

    void curvesFollowTheFrameInKindOrder_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("2, 4, 7") << QList<int>{2, 4, 7};
        QTest::newRow("only Wisdom") << QList<int>{6};
        QTest::newRow("none") << QList<int>{};
    }
    void curvesFollowTheFrameInKindOrder() {
        QFETCH(QList<int>, kinds);
        RecordingSurface s;
        InitChartPlot(s);
        s.Clear();
        KindSet ticked;
        for (int k : kinds)
            ticked[k] = true;
        DrawChart(s, MakeCycleTables(),
                  *ChooseChartSpan(QDate(1960, 1, 1), QDate(2000, 1, 1), true), ticked);

        // After the credit line, each curve is 480 lines of one colour.
        const auto d = s.Drawing();
        std::size_t i = 0;
        while (d[i].op != Op::Print || d[i].text != QLatin1String("by K.P.Morvo"))
            ++i;
        QCOMPARE(d.size() - i - 1, std::size_t(480) * kinds.size());
        for (int n = 0; n < kinds.size(); ++n)
            QCOMPARE(d[i + 1 + 480 * n].color, MakeCycleTables().CycleColor[kinds[n]]);
        // The display date in the middle has the black marker line.
        bool marker = false;
        for (const auto& c : d)
            marker |= c.op == Op::Line && c.x2 == 1600 + 720 * 6 && c.color == 0;
        QVERIFY(marker);
    }
};

QTEST_GUILESS_MAIN(TestDrawChart)
#include "tst_drawchart.moc"
