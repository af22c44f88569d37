#include "chart/DrawCommand.h"
#include "plot/RecordingSurface.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

class TestDrawCommand : public QObject {
    Q_OBJECT
private slots:
    void spans_data();
    void spans();
    void bornAfterDisplayDateGivesNoSpan();
    void curvesDrawnInKindOrderOverTheFrame();
    void onlyCombinedKindTicked();
};

void TestDrawCommand::spans_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("display");
    QTest::addColumn<bool>("centreTicked");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("marker");
    QTest::addColumn<double>("hours");
    const QDate b(1960, 1, 1);
    QTest::newRow("not centred") << b << QDate(2000, 1, 1) << false << false << 0
                                 << QDate(2000, 1, 1) << QDate(2000, 1, 1) << 350640.0;
    QTest::newRow("centred, 1000+ days") << b << QDate(2000, 1, 1) << true << true << 30
                                         << QDate(1999, 12, 2) << QDate(2000, 1, 1) << 349920.0;
    QTest::newRow("born on display date, centre ticked")
        << b << b << true << false << 0 << b << b << 0.0;
    QTest::newRow("10 days old, centred")
        << b << QDate(1960, 1, 11) << true << true << 30 << b << QDate(1960, 1, 11) << 0.0;
    QTest::newRow("30 days old, centred")
        << b << QDate(1960, 1, 31) << true << true << 30 << b << QDate(1960, 1, 31) << 0.0;
    QTest::newRow("31 days old, centred") << b << QDate(1960, 2, 1) << true << true << 30
                                          << QDate(1960, 1, 2) << QDate(1960, 2, 1) << 24.0;
    QTest::newRow("a century back")
        << QDate(1901, 1, 1) << QDate(2040, 12, 31) << false << false << 0 << QDate(2040, 12, 31)
        << QDate(2040, 12, 31) << 51134.0 * 24;
}

void TestDrawCommand::spans() {
    QFETCH(QDate, birth);
    QFETCH(QDate, display);
    QFETCH(bool, centreTicked);
    QFETCH(bool, centred);
    QFETCH(int, slider);
    QFETCH(QDate, start);
    QFETCH(QDate, marker);
    QFETCH(double, hours);
    const auto span = ChooseChartSpan(birth, display, centreTicked);
    QVERIFY(span.has_value());
    QCOMPARE(span->days, int(birth.daysTo(display)));
    QCOMPARE(span->centred, centred);
    QCOMPARE(span->slider, slider);
    QCOMPARE(span->start, start);
    QCOMPARE(span->marker, marker);
    QCOMPARE(span->hours, hours);
}

void TestDrawCommand::bornAfterDisplayDateGivesNoSpan() {
    QVERIFY(!ChooseChartSpan(QDate(2000, 1, 2), QDate(2000, 1, 1), false).has_value());
    QVERIFY(!ChooseChartSpan(QDate(2000, 1, 2), QDate(2000, 1, 1), true).has_value());
}

void TestDrawCommand::curvesDrawnInKindOrderOverTheFrame() {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    KindSet kinds;
    kinds[7] = kinds[2] = kinds[4] = true;
    const auto span = ChooseChartSpan(QDate(1960, 1, 1), QDate(2000, 1, 1), true);
    DrawChart(s, MakeCycleTables(), *span, kinds);

    // Colour of each run of curve lines (flag 2 from x 1618 on), in order.
    const CycleTables t = MakeCycleTables();
    QList<Color> runs;
    bool labelsSeen = false;
    for (const auto& c : s.Drawing()) {
        if (c.op == Op::Print) labelsSeen = true;
        if (!labelsSeen || c.op != Op::Line || c.x2 != 1618) continue;
        runs.append(c.color);
    }
    QCOMPARE(runs, (QList<Color>{t.CycleColor[2], t.CycleColor[4], t.CycleColor[7]}));
    // The marker line: black and dashed at x 720 (the display date in the middle).
    bool blackMarker = false;
    for (const auto& c : s.Drawing())
        if (c.op == Op::Line && c.x2 == 1600 + 720 * 6 && c.color == 0) blackMarker = true;
    QVERIFY(blackMarker);
}

void TestDrawCommand::onlyCombinedKindTicked() {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    KindSet kinds;
    kinds[6] = true;
    DrawChart(s, MakeCycleTables(), *ChooseChartSpan(QDate(1960, 1, 1), QDate(2000, 1, 1), false),
              kinds);
    int curveLines = 0;
    for (const auto& c : s.Drawing())
        if (c.op == Op::Line && c.color == RGB(0, 170, 180)) ++curveLines;
    QCOMPARE(curveLines, 480);
    for (int k = 1; k <= 4; ++k)
        for (const auto& c : s.Drawing())
            QVERIFY(c.op != Op::Line || c.color != MakeCycleTables().CycleColor[k]);
}

QTEST_GUILESS_MAIN(TestDrawCommand)
#include "tst_drawcommand.moc"
