#include "plot/RecordingSurface.h"
#include "plot/modMathUtil.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QTest>
#include <cmath>

using namespace modPlotUtil;

// The program's plot window: world x 0..1440 at 6 units, y -100..100 at 20
// units, on device x 1600..10240 and y 300..4300.
class TestPlotUtil : public QObject {
    Q_OBJECT
    RecordingSurface s;

    QStringList Lines() const {
        QStringList out;
        for (const auto& c : s.Drawing())
            out << c.ToString();
        return out;
    }

private slots:
    void init() {
        s = {};
        PlotInit(s, 0, -100, 1440, 100, 9000, 4000, 1600, 300, QStringLiteral("small fonts"), 7);
    }

    void initClearsToAWhiteWindowEdgedInBlack() {
        QCOMPARE(Lines(), QStringList({"Cls", "Line 38 (1600, 4300)-(10240, 300) #ffffff",
                                       "Line 22 (1600, 4300)-(10240, 300) #000000"}));
        QCOMPARE(PlotColor, RGB(0, 0, 0));
    }

    void mappingIsPinnedToTheWindow() {
        const int rows[][3] = {{0, 1600, 2300},
                               {24, 1744, 1820},
                               {-150, 1600, 4300},
                               {150, 2500, 300},
                               {2000, 10240, 300}};
        for (const auto& [world, x, y] : rows) {
            QCOMPARE(PlotX(world), x);
            QCOMPARE(PlotY(world), y);
        }
        QVERIFY_THROWS_EXCEPTION(OverflowError, PlotX(400000000));
        QVERIFY_THROWS_EXCEPTION(OverflowError, PlotY(-200000000));
    }

    void moveThenLine() {
        PlotColor = RGB(1, 2, 3);
        PlotMoveTo(s, 24, 100);
        QCOMPARE(QPointF(s.CurrentX(), s.CurrentY()), QPointF(1744, 300));
        PlotLineTo(s, 24, -100);
        QCOMPARE(Lines().back(), "Line 2 (0, 0)-(1744, 4300) #030201");
    }

    void boxStyles() {
        const std::pair<int, QStringList> rows[] = {
            {1, {"Line 22 (9400, 4280)-(10120, 4140) #ff00ff"}},
            {2, {"Line 38 (9400, 4280)-(10120, 4140) #ff00ff"}},
            {0, // anything else: filled, then edged in black
             {"Line 38 (9400, 4280)-(10120, 4140) #ff00ff",
              "Line 22 (9400, 4280)-(10120, 4140) #000000"}}};
        for (const auto& [style, lines] : rows) {
            s.Clear();
            PlotColor = QBColor(13);
            PlotBox(s, 1300, -99, 1420, -92, style);
            QCOMPARE(Lines(), lines);
            QCOMPARE(PlotColor, QBColor(13));
        }
    }

    void textUsesThePlotFontThenRestoresTheSurfaces() {
        s.SetFontName(QStringLiteral("Verdana"));
        s.SetFontSize(12);
        s.SetFontBold(true);
        s.SetFontItalic(true);
        s.SetForeColor(RGB(9, 9, 9));
        PlotColor = QBColor(9);
        // On the top edge: the text's top is 22 units per point higher, unpinned.
        PlotText(s, 24, 100, QStringLiteral("February 2000"));
        QCOMPARE(Lines().back(), "Print \"February 2000\" at (1744, 146) small fonts 7 #ff0000");
        QCOMPARE(s.FontName(), "Verdana");
        QCOMPARE(s.FontSize(), 12.0);
        QVERIFY(s.FontBold() && s.FontItalic());
        QCOMPARE(s.ForeColor(), RGB(9, 9, 9));
    }

    void dashes_data() {
        QTest::addColumn<QList<int>>("path"); // from x, y to x, y, dash size
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("120 units, under the period of 140: solid")
            << QList<int>{24, 0, 24, 6, 2} << QStringList{"Line 2 (0, 0)-(1744, 2180) #000000"};
        QTest::newRow("one period: half dash 35, gap 70, half dash")
            << QList<int>{24, 0, 24, 7, 2}
            << QStringList{"Line 2 (0, 0)-(1744, 2265) #000000",
                           "Line 6 (1744, 2195)-(1744, 2160) #000000"};
        QTest::newRow("slanted 200 units: 1.4 periods make one")
            << QList<int>{0, 0, 20, 8, 2}
            << QStringList{"Line 2 (0, 0)-(1630, 2260) #000000",
                           "Line 6 (1690, 2180)-(1720, 2140) #000000"};
        QTest::newRow("size below 0 is dash 50: two periods")
            << QList<int>{0, 0, 20, 8, -10}
            << QStringList{"Line 2 (0, 0)-(1615, 2280) #000000",
                           "Line 6 (1645, 2240)-(1675, 2200) #000000",
                           "Line 6 (1705, 2160)-(1720, 2140) #000000"};
        QTest::newRow("size 100 is dash 200")
            << QList<int>{24, 0, 24, 20, 100}
            << QStringList{"Line 2 (0, 0)-(1744, 2200) #000000",
                           "Line 6 (1744, 2000)-(1744, 1900) #000000"};
    }
    void dashes() {
        QFETCH(QList<int>, path);
        QFETCH(QStringList, lines);
        PlotMoveTo(s, path[0], path[1]);
        s.Clear();
        PlotDashTo(s, path[2], path[3], path[4]);
        QCOMPARE(Lines(), lines);
    }

    void mathHelpers() {
        using namespace modMathUtil;
        // The factor 0.0174532925199389 is just under pi / 180.
        QCOMPARE(SinDeg(90), 1.0);
        QVERIFY(std::fabs(SinDeg(30) - 0.4999999999998858) < 1e-16);
        QVERIFY(std::fabs(SinDeg(180) - 7.9149e-13) < 1e-15);
        QCOMPARE(ClampLng(5, 10, 3), 3); // low above high gives high
        QCOMPARE(ClampDbl(50, 10, 3), 3.0);
    }
};

QTEST_GUILESS_MAIN(TestPlotUtil)
#include "tst_plotutil.moc"
