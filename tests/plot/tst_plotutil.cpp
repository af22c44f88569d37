#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace modPlotUtil;
using Op = SurfaceCall::Op;

namespace {

// The program's plot window.
void InitProgramWindow(Surface& s) {
    PlotInit(s, 0, -100, 1440, 100, 9000, 4000, 1600, 300, QStringLiteral("small fonts"), 7);
}

QStringList Strings(const RecordingSurface& s, bool linesOnly) {
    QStringList out;
    for (const auto& c : s.Calls())
        if (!linesOnly || c.op == Op::Line) out << c.ToString();
    return out;
}

// A dashed day line at world x 24 from y0 to y1, recorded from the PlotDashTo call on.
RecordingSurface Dashes(int y0, int y1, int size) {
    RecordingSurface s;
    InitProgramWindow(s);
    PlotMoveTo(s, 24, y0);
    s.Clear();
    PlotDashTo(s, 24, y1, size);
    return s;
}

} // namespace

class TestPlotUtil : public QObject {
    Q_OBJECT
private slots:
    void init() { PlotResetState(); }

    void beforeInitEverythingMapsToOrigin() {
        QCOMPARE(PlotX(720), 0);
        QCOMPARE(PlotY(-50), 0);
        QVERIFY(PlotFontName.isEmpty());
    }

    void initSetsTheProgramWindow() {
        RecordingSurface s;
        InitProgramWindow(s);
        QCOMPARE(PlotScaleX, 6); // 9000 / 1440 = 6.25, truncated
        QCOMPARE(PlotScaleY, 20);
        QCOMPARE(PlotSpanX, 8640);
        QCOMPARE(PlotSpanY, 4000);
        QCOMPARE(PlotDevRight, 10240);
        QCOMPARE(PlotDevBottom, 4300);
        QCOMPARE(PlotFontSize, 7);
        QCOMPARE(PlotColor, QBColor(0));
        // The surface is cleared, then the used span filled white and outlined in black.
        const QStringList expected{"Cls", "Line 38 (1600, 4300)-(10240, 300) #ffffff",
                                   "Line 22 (1600, 4300)-(10240, 300) #000000"};
        QCOMPARE(Strings(s, false), expected);
    }

    void initRefusesEmptyWindow() {
        RecordingSurface s;
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError,
                                 PlotInit(s, 5, -100, 5, 100, 9000, 4000, 0, 0, QString(), 7));
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError,
                                 PlotInit(s, 0, 7, 1440, 7, 9000, 4000, 0, 0, QString(), 7));
    }

    void mapping_data() {
        QTest::addColumn<int>("world");
        QTest::addColumn<int>("deviceX");
        QTest::addColumn<int>("deviceY");
        QTest::newRow("0") << 0 << 1600 << 2300;
        QTest::newRow("24") << 24 << 1744 << 1820;
        QTest::newRow("100") << 100 << 2200 << 300;
        QTest::newRow("-100") << -100 << 1600 << 4300;
        QTest::newRow("-150 pinned") << -150 << 1600 << 4300;
        QTest::newRow("150 pinned") << 150 << 2500 << 300;
        QTest::newRow("-5 pinned in x") << -5 << 1600 << 2400;
        QTest::newRow("1440") << 1440 << 10240 << 300;
        QTest::newRow("2000 pinned") << 2000 << 10240 << 300;
    }
    void mapping() {
        QFETCH(int, world);
        QFETCH(int, deviceX);
        QFETCH(int, deviceY);
        RecordingSurface s;
        InitProgramWindow(s);
        QCOMPARE(PlotX(world), deviceX);
        QCOMPARE(PlotY(world), deviceY);
    }

    void mappingOverflowIsRefused() {
        RecordingSurface s;
        InitProgramWindow(s);
        QVERIFY_THROWS_EXCEPTION(OverflowError, PlotX(400000000));
        QVERIFY_THROWS_EXCEPTION(OverflowError, PlotY(-200000000));
    }

    void moveAndLine() {
        RecordingSurface s;
        InitProgramWindow(s);
        PlotColor = RGB(1, 2, 3);
        s.Clear();
        PlotMoveTo(s, 24, 100);
        PlotLineTo(s, 24, -100);
        const QStringList expected{"CurrentX = 1744", "CurrentY = 300",
                                   "Line 2 (0, 0)-(1744, 4300) #030201"};
        QCOMPARE(Strings(s, false), expected);
    }

    void boxStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("expected");
        const QString filled = QStringLiteral("Line 38 (9400, 4280)-(10120, 4140) #ff00ff");
        const QString outlined = QStringLiteral("Line 22 (9400, 4280)-(10120, 4140) #ff00ff");
        const QString blackEdge = QStringLiteral("Line 22 (9400, 4280)-(10120, 4140) #000000");
        QTest::newRow("1 outline") << 1 << QStringList{outlined};
        QTest::newRow("2 filled") << 2 << QStringList{filled};
        QTest::newRow("3 filled, black edge") << 3 << QStringList{filled, blackEdge};
        QTest::newRow("0 as 3") << 0 << QStringList{filled, blackEdge};
        QTest::newRow("7 as 3") << 7 << QStringList{filled, blackEdge};
    }
    void boxStyles() {
        QFETCH(int, style);
        QFETCH(QStringList, expected);
        RecordingSurface s;
        InitProgramWindow(s);
        s.Clear();
        PlotColor = QBColor(13);
        PlotBox(s, 1300, -99, 1420, -92, style);
        QCOMPARE(Strings(s, true), expected);
        QCOMPARE(PlotColor, QBColor(13)); // the black edge leaves PlotColor alone
        QCOMPARE(s.CurrentX(), 10120.0);
        QCOMPARE(s.CurrentY(), 4140.0);
    }

    void boxOutsideWindowIsPinned() {
        RecordingSurface s;
        InitProgramWindow(s);
        s.Clear();
        PlotBox(s, 1500, 120, 1600, 150, 1);
        QCOMPARE(Strings(s, true), QStringList{"Line 22 (10240, 300)-(10240, 300) #000000"});
    }

    void textRestoresSurfaceFont() {
        RecordingSurface s;
        InitProgramWindow(s);
        s.SetFontName(QStringLiteral("Verdana"));
        s.SetFontSize(12);
        s.SetFontBold(true);
        s.SetFontItalic(true);
        s.SetForeColor(RGB(9, 9, 9));
        s.Clear();
        PlotColor = QBColor(9);
        PlotText(s, 24, 92, QStringLiteral("February 2000"));
        const QStringList expected{"FontName?",
                                   "FontSize?",
                                   "FontBold?",
                                   "FontItalic?",
                                   "ForeColor?",
                                   "FontName = \"small fonts\"",
                                   "FontSize = 7",
                                   "FontBold = false",
                                   "FontItalic = false",
                                   "ForeColor = #ff0000",
                                   "CurrentX = 1744",
                                   "CurrentY = 306",
                                   "Print \"February 2000\" at (1744, 306) small fonts 7 #ff0000",
                                   "FontName = \"Verdana\"",
                                   "FontSize = 12",
                                   "FontBold = true",
                                   "FontItalic = true",
                                   "ForeColor = #090909"};
        QCOMPARE(Strings(s, false), expected);
    }

    void textAtTopIsNotPinned() {
        RecordingSurface s;
        InitProgramWindow(s);
        PlotText(s, 0, 100, QStringLiteral("x"));
        QCOMPARE(s.Drawing().back().y1, 300.0 - 22 * 7);
    }

    void dashJustUnderOnePeriodIsSolid() {
        // 120 device units, under the period of 140.
        QCOMPARE(Strings(Dashes(0, 6, 2), true), QStringList{"Line 2 (0, 0)-(1744, 2180) #000000"});
    }

    void dashAtExactlyOnePeriod() {
        // 140 units: half dash of 35, gap of 70, half dash of 35.
        const QStringList expected{"Line 2 (0, 0)-(1744, 2265) #000000",
                                   "Line 6 (1744, 2195)-(1744, 2160) #000000"};
        QCOMPARE(Strings(Dashes(0, 7, 2), true), expected);
    }

    void dashFullDayLine() {
        const RecordingSurface s = Dashes(100, -100, 2);
        // 4000 units: dash 70, period 140, n = 28, 56 parts of 4000 / 56.
        const auto lines = s.Drawing();
        QCOMPARE(lines.size(), std::size_t(29));
        const double part = 4000.0 / 56;
        QCOMPARE(lines.front().flags, 2);
        QCOMPARE(lines.front().y2, 300 + part / 2);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            QCOMPARE(lines[i].flags, 6);
            QCOMPARE(lines[i].x1, 1744.0);
            QCOMPARE(lines[i].y1, 300 + part / 2 + (2 * i - 1) * part);
            QCOMPARE(lines[i].y2 - lines[i].y1, i + 1 == lines.size() ? part / 2 : part);
        }
        QCOMPARE(lines.back().y2, 4300.0);
    }

    void dashDirectionDoesNotMoveDashes() {
        // Covered intervals of each direction, sorted, must coincide.
        auto intervals = [](const RecordingSurface& s, double startY) {
            std::vector<std::pair<double, double>> out;
            double cy = startY;
            for (const auto& c : s.Drawing()) {
                const double from = (c.flags & Surface::HasStart) ? c.y1 : cy;
                out.emplace_back(std::min(from, c.y2), std::max(from, c.y2));
                cy = c.y2;
            }
            std::sort(out.begin(), out.end());
            return out;
        };
        const auto down = intervals(Dashes(100, -100, 2), 300);
        const auto up = intervals(Dashes(-100, 100, 2), 4300);
        QCOMPARE(down.size(), up.size());
        for (std::size_t i = 0; i < down.size(); ++i) {
            QVERIFY(std::fabs(down[i].first - up[i].first) < 1e-9);
            QVERIFY(std::fabs(down[i].second - up[i].second) < 1e-9);
        }
    }

    void dashSizeIsClamped_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("sameAs");
        QTest::addColumn<int>("dashes");
        QTest::newRow("-10 as 0: dash 50") << -10 << 0 << 41;
        QTest::newRow("100 as 15: dash 200") << 100 << 15 << 11;
        QTest::newRow("5: dash 100") << 5 << 5 << 21;
    }
    void dashSizeIsClamped() {
        QFETCH(int, size);
        QFETCH(int, sameAs);
        QFETCH(int, dashes);
        const QStringList lines = Strings(Dashes(100, -100, size), true);
        QCOMPARE(lines, Strings(Dashes(100, -100, sameAs), true));
        QCOMPARE(lines.size(), dashes);
    }
};

QTEST_GUILESS_MAIN(TestPlotUtil)
#include "tst_plotutil.moc"
