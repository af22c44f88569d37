#include "chart/ChartCurves.h"
#include "chart/DrawCommand.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

// World points of a recorded curve: the move, then each line end.
QList<QPoint> WorldPoints(const RecordingSurface& s) {
    QList<QPoint> out;
    double moveX = 0;
    for (const auto& c : s.Calls()) {
        auto world = [](double dx, double dy) {
            return QPoint(int((dx - 1600) / 6), int((4300 - dy) / 20) - 100);
        };
        if (c.op == Op::SetCurrentX) moveX = c.x1;
        if (c.op == Op::SetCurrentY) out.append(world(moveX, c.y1));
        if (c.op == Op::Line) out.append(world(c.x2, c.y2));
    }
    return out;
}

RecordingSurface Curve(int kind, double H) {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    const CycleTables t = MakeCycleTables();
    if (kind <= LastPrimaryKind) {
        DrawCycleCurve(s, t, kind, H);
    } else {
        const Components c = CombinedComponents(kind);
        DrawCombinedCurve(s, t, kind, H, c.p, c.q);
    }
    return s;
}

} // namespace

class TestChartCurves : public QObject {
    Q_OBJECT
private slots:
    void physicalFromBirth();
    void everyKindIsOneMoveAnd480Lines_data();
    void everyKindIsOneMoveAnd480Lines();
    void curveFollowsTheModel();
    void combinedUsesTheGivenComponents();
    void badKindDrawsNothing();
};

void TestChartCurves::physicalFromBirth() {
    const auto points = WorldPoints(Curve(1, 0));
    QCOMPARE(points.size(), 481);
    QCOMPARE(points[0], QPoint(0, 0));
    QCOMPARE(points[1], QPoint(3, 3));
    QCOMPARE(points[46], QPoint(138, 98));
    QCOMPARE(points[92], QPoint(276, 0));
    QCOMPARE(points[480].x(), 1440);
}

void TestChartCurves::everyKindIsOneMoveAnd480Lines_data() {
    QTest::addColumn<int>("kind");
    for (int k = 1; k <= 7; ++k)
        QTest::newRow(qPrintable(CycleCaption(k))) << k;
}

void TestChartCurves::everyKindIsOneMoveAnd480Lines() {
    QFETCH(int, kind);
    const RecordingSurface s = Curve(kind, 350640);
    const auto& calls = s.Calls();
    QCOMPARE(calls.size(), std::size_t(2 + 480));
    QCOMPARE(calls[0].ToString(), QStringLiteral("CurrentX = 1600"));
    QCOMPARE(calls[1].op, Op::SetCurrentY);
    for (std::size_t i = 2; i < calls.size(); ++i) {
        QCOMPARE(calls[i].op, Op::Line);
        QCOMPARE(calls[i].flags, 2);
        QCOMPARE(calls[i].color, MakeCycleTables().CycleColor[kind]);
        QCOMPARE(calls[i].x2, 1600.0 + 6 * 3 * double(i - 1));
    }
    QCOMPARE(calls.back().x2, 10240.0);
    QCOMPARE(modPlotUtil::PlotColor, MakeCycleTables().CycleColor[kind]);
}

void TestChartCurves::curveFollowsTheModel() {
    const CycleTables t = MakeCycleTables();
    const auto points = WorldPoints(Curve(4, 350640));
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(points[i].y(), PrimaryValue(t, 4, 350640, 3.0 * i));
}

void TestChartCurves::combinedUsesTheGivenComponents() {
    const CycleTables t = MakeCycleTables();
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    DrawCombinedCurve(s, t, 6, 350640, 2, 3);
    const auto points = WorldPoints(s);
    QCOMPARE(points[0].y(), -96);
    for (int i = 0; i < points.size(); i += 7)
        QCOMPARE(points[i].y(), CombinedValue(t, 2, 3, 350640, 3.0 * i));
    QCOMPARE(s.Calls().back().color, RGB(0, 170, 180));
}

void TestChartCurves::badKindDrawsNothing() {
    RecordingSurface s;
    const CycleTables t = MakeCycleTables();
    QVERIFY_THROWS_EXCEPTION(SubscriptError, DrawCycleCurve(s, t, 5, 0));
    QVERIFY_THROWS_EXCEPTION(SubscriptError, DrawCombinedCurve(s, t, 5, 0, 1, 9));
    QVERIFY(s.Calls().empty());
}

QTEST_GUILESS_MAIN(TestChartCurves)
#include "tst_chartcurves.moc"
