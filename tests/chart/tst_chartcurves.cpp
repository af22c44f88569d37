#include "chart/ChartCurves.h"
#include "chart/DrawChart.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

// The curve of a kind drawn on the program's plot window, read back as world points.
QList<QPoint> WorldCurve(int kind, double H, QList<Color>* colors = nullptr) {
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
    const auto& calls = s.Calls();
    // Exactly a move and 480 lines from the current position.
    if (calls.size() != 482 || calls[0].op != Op::SetCurrentX || calls[1].op != Op::SetCurrentY)
        return {};
    auto world = [](double dx, double dy) {
        return QPoint(int((dx - 1600) / 6), int((4300 - dy) / 20) - 100);
    };
    QList<QPoint> out{world(calls[0].x1, calls[1].y1)};
    for (std::size_t i = 2; i < calls.size(); ++i) {
        if (calls[i].op != Op::Line || calls[i].flags != 2) return {};
        out.append(world(calls[i].x2, calls[i].y2));
        if (colors) colors->append(calls[i].color);
    }
    return out;
}

} // namespace

class TestChartCurves : public QObject {
    Q_OBJECT
private slots:
    void physicalFromBirth() {
        const auto points = WorldCurve(1, 0);
        QCOMPARE(points.size(), 481);
        QCOMPARE(points[0], QPoint(0, 0));
        QCOMPARE(points[1], QPoint(3, 3));
        QCOMPARE(points[46], QPoint(138, 98));
        QCOMPARE(points[92], QPoint(276, 0));
        QCOMPARE(points[480].x(), 1440);
    }

    void everyKindSamplesTheModelEveryThreeHours_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Color>("color");
        const Color colors[] = {RGB(255, 0, 0),   RGB(0, 0, 255),   RGB(255, 0, 255),
                                RGB(0, 180, 0),   RGB(200, 200, 0), RGB(0, 170, 180),
                                RGB(100, 100, 40)};
        for (int k = 1; k <= 7; ++k)
            QTest::newRow(qPrintable(CycleCaption(k))) << k << colors[k - 1];
    }
    void everyKindSamplesTheModelEveryThreeHours() {
        QFETCH(int, kind);
        QFETCH(Color, color);
        const CycleTables t = MakeCycleTables();
        QList<Color> colors;
        const auto points = WorldCurve(kind, 350640, &colors);
        QCOMPARE(points.size(), 481);
        for (int i = 0; i < points.size(); ++i) {
            QCOMPARE(points[i].x(), 3 * i);
            const int value = kind <= 4
                                  ? PrimaryValue(t, kind, 350640, 3.0 * i)
                                  : CombinedValue(t, CombinedComponents(kind).p,
                                                  CombinedComponents(kind).q, 350640, 3.0 * i);
            QCOMPARE(points[i].y(), value);
        }
        QCOMPARE(colors, QList<Color>(480, color));
        QCOMPARE(modPlotUtil::PlotColor, color);
    }

    void badKindDrawsNothing() {
        RecordingSurface s;
        const CycleTables t = MakeCycleTables();
        QVERIFY_THROWS_EXCEPTION(SubscriptError, DrawCycleCurve(s, t, 5, 0));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, DrawCombinedCurve(s, t, 5, 0, 1, 9));
        QVERIFY(s.Calls().empty());
    }
};

QTEST_GUILESS_MAIN(TestChartCurves)
#include "tst_chartcurves.moc"
