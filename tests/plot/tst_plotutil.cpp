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

std::vector<SurfaceCall> Lines(const RecordingSurface& s) {
    std::vector<SurfaceCall> out;
    for (const auto& c : s.Calls())
        if (c.op == Op::Line) out.push_back(c);
    return out;
}

// Covered intervals [from, to] of a vertical dashed line, sorted.
std::vector<std::pair<double, double>> DashIntervals(const RecordingSurface& s, double startY) {
    std::vector<std::pair<double, double>> out;
    double cy = startY;
    for (const auto& c : Lines(s)) {
        const double from = (c.flags & Surface::HasStart) ? c.y1 : cy;
        out.emplace_back(std::min(from, c.y2), std::max(from, c.y2));
        cy = c.y2;
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

class TestPlotUtil : public QObject {
    Q_OBJECT
private slots:
    void init() { PlotResetState(); }

    void beforeInitEverythingMapsToOrigin();
    void initSetsTheProgramWindow();
    void initClearsSurfaceThenWindow();
    void initRefusesEmptyWindow();
    void mapping_data();
    void mapping();
    void mappingOverflowIsRefused();
    void moveAndLineUseMappedPoints();
    void boxStyles_data();
    void boxStyles();
    void boxOutsideWindowIsPinned();
    void textRestoresSurfaceFont();
    void textAtTopIsNotPinned();
    void dashShortLineIsSolid();
    void dashAtExactlyOnePeriod();
    void dashFullDayLine();
    void dashDirectionDoesNotMoveDashes();
    void dashSizeIsClamped_data();
    void dashSizeIsClamped();
};

void TestPlotUtil::beforeInitEverythingMapsToOrigin() {
    QCOMPARE(PlotX(720), 0);
    QCOMPARE(PlotY(-50), 0);
    QVERIFY(PlotFontName.isEmpty());
}

void TestPlotUtil::initSetsTheProgramWindow() {
    RecordingSurface s;
    InitProgramWindow(s);
    QCOMPARE(PlotWinX1, 0);
    QCOMPARE(PlotWinY1, -100);
    QCOMPARE(PlotWinX2, 1440);
    QCOMPARE(PlotWinY2, 100);
    QCOMPARE(PlotScaleX, 6); // 9000 / 1440 = 6.25, truncated
    QCOMPARE(PlotScaleY, 20);
    QCOMPARE(PlotSpanX, 8640);
    QCOMPARE(PlotSpanY, 4000);
    QCOMPARE(PlotDevLeft, 1600);
    QCOMPARE(PlotDevRight, 10240);
    QCOMPARE(PlotDevTop, 300);
    QCOMPARE(PlotDevBottom, 4300);
    QCOMPARE(PlotFontName, QStringLiteral("small fonts"));
    QCOMPARE(PlotFontSize, 7);
    QCOMPARE(PlotColor, QBColor(0));
}

void TestPlotUtil::initClearsSurfaceThenWindow() {
    RecordingSurface s;
    InitProgramWindow(s);
    const auto d = s.Drawing();
    QCOMPARE(d.size(), std::size_t(3));
    QCOMPARE(d[0].op, Op::Cls);
    // Filled white, then outlined in black, over the used span only.
    QCOMPARE(d[1].ToString(), QStringLiteral("Line 38 (1600, 4300)-(10240, 300) #ffffff"));
    QCOMPARE(d[2].ToString(), QStringLiteral("Line 22 (1600, 4300)-(10240, 300) #000000"));
}

void TestPlotUtil::initRefusesEmptyWindow() {
    RecordingSurface s;
    QVERIFY_THROWS_EXCEPTION(DivisionByZeroError,
                             PlotInit(s, 5, -100, 5, 100, 9000, 4000, 0, 0, QString(), 7));
    QVERIFY_THROWS_EXCEPTION(DivisionByZeroError,
                             PlotInit(s, 0, 7, 1440, 7, 9000, 4000, 0, 0, QString(), 7));
}

void TestPlotUtil::mapping_data() {
    QTest::addColumn<int>("world");
    QTest::addColumn<int>("deviceX");
    QTest::addColumn<int>("deviceY");
    QTest::newRow("0") << 0 << 1600 << 2300;
    QTest::newRow("24 / 24") << 24 << 1744 << 1820;
    QTest::newRow("100") << 100 << 2200 << 300;
    QTest::newRow("-100") << -100 << 1600 << 4300;
    QTest::newRow("-150 pinned") << -150 << 1600 << 4300;
    QTest::newRow("150 pinned") << 150 << 2500 << 300;
    QTest::newRow("-5") << -5 << 1600 << 2400;
    QTest::newRow("1440") << 1440 << 10240 << 300;
    QTest::newRow("2000 pinned") << 2000 << 10240 << 300;
}

void TestPlotUtil::mapping() {
    QFETCH(int, world);
    QFETCH(int, deviceX);
    QFETCH(int, deviceY);
    RecordingSurface s;
    InitProgramWindow(s);
    QCOMPARE(PlotX(world), deviceX);
    QCOMPARE(PlotY(world), deviceY);
}

void TestPlotUtil::mappingOverflowIsRefused() {
    RecordingSurface s;
    InitProgramWindow(s);
    QVERIFY_THROWS_EXCEPTION(OverflowError, PlotX(400000000));
    QVERIFY_THROWS_EXCEPTION(OverflowError, PlotY(-200000000));
}

void TestPlotUtil::moveAndLineUseMappedPoints() {
    RecordingSurface s;
    InitProgramWindow(s);
    PlotColor = RGB(1, 2, 3);
    s.Clear();
    PlotMoveTo(s, 24, 100);
    PlotLineTo(s, 24, -100);
    const auto& c = s.Calls();
    QCOMPARE(c.size(), std::size_t(3));
    QCOMPARE(c[0].ToString(), QStringLiteral("CurrentX = 1744"));
    QCOMPARE(c[1].ToString(), QStringLiteral("CurrentY = 300"));
    QCOMPARE(c[2].ToString(), QStringLiteral("Line 2 (0, 0)-(1744, 4300) #030201"));
}

void TestPlotUtil::boxStyles_data() {
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

void TestPlotUtil::boxStyles() {
    QFETCH(int, style);
    QFETCH(QStringList, expected);
    RecordingSurface s;
    InitProgramWindow(s);
    s.Clear();
    PlotColor = QBColor(13);
    PlotBox(s, 1300, -99, 1420, -92, style);
    QStringList drawn;
    for (const auto& c : s.Drawing())
        drawn << c.ToString();
    QCOMPARE(drawn, expected);
    QCOMPARE(PlotColor, QBColor(13)); // the black edge does not change PlotColor
    QCOMPARE(s.CurrentX(), 10120.0);
    QCOMPARE(s.CurrentY(), 4140.0);
}

void TestPlotUtil::boxOutsideWindowIsPinned() {
    RecordingSurface s;
    InitProgramWindow(s);
    s.Clear();
    PlotBox(s, 1500, 120, 1600, 150, 1);
    QCOMPARE(s.Drawing().at(0).ToString(),
             QStringLiteral("Line 22 (10240, 300)-(10240, 300) #000000"));
}

void TestPlotUtil::textRestoresSurfaceFont() {
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

    QStringList calls;
    for (const auto& c : s.Calls())
        calls << c.ToString();
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
    QCOMPARE(calls, expected);
}

void TestPlotUtil::textAtTopIsNotPinned() {
    RecordingSurface s;
    InitProgramWindow(s);
    s.Clear();
    PlotText(s, 0, 100, QStringLiteral("x"));
    const auto d = s.Drawing();
    QCOMPARE(d.at(0).y1, 300.0 - 22 * 7);
    PlotFontSize = 6;
    PlotText(s, 1320, -99, QStringLiteral("by"));
    QCOMPARE(s.Drawing().at(1).y1, 4280.0 - 22 * 6);
}

void TestPlotUtil::dashShortLineIsSolid() {
    RecordingSurface s;
    InitProgramWindow(s);
    PlotMoveTo(s, 24, 0);
    s.Clear();
    PlotDashTo(s, 24, 6, 2); // 120 device units, under the period of 140
    const auto lines = Lines(s);
    QCOMPARE(lines.size(), std::size_t(1));
    QCOMPARE(lines[0].ToString(), QStringLiteral("Line 2 (0, 0)-(1744, 2180) #000000"));
}

void TestPlotUtil::dashAtExactlyOnePeriod() {
    RecordingSurface s;
    InitProgramWindow(s);
    PlotMoveTo(s, 24, 0);
    s.Clear();
    PlotDashTo(s, 24, 7, 2); // 140 device units: half dash, gap, half dash
    const auto lines = Lines(s);
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0].ToString(), QStringLiteral("Line 2 (0, 0)-(1744, 2265) #000000"));
    QCOMPARE(lines[1].ToString(), QStringLiteral("Line 6 (1744, 2195)-(1744, 2160) #000000"));
}

void TestPlotUtil::dashFullDayLine() {
    RecordingSurface s;
    InitProgramWindow(s);
    PlotColor = RGB(100, 100, 160);
    PlotMoveTo(s, 24, 100);
    s.Clear();
    PlotDashTo(s, 24, -100, 2);

    // 4000 units: dash 70, period 140, n = 28, parts of 4000 / 56.
    const auto lines = Lines(s);
    QCOMPARE(lines.size(), std::size_t(29));
    const double part = 4000.0 / 56;
    QCOMPARE(lines.front().flags, 2);
    QCOMPARE(lines.front().y2, 300 + part / 2);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        QCOMPARE(lines[i].flags, 6);
        QCOMPARE(lines[i].x1, 1744.0);
        QCOMPARE(lines[i].x2, 1744.0);
        QCOMPARE(lines[i].y1, 300 + part / 2 + (2 * i - 1) * part);
        const double length = lines[i].y2 - lines[i].y1;
        QCOMPARE(length, i + 1 == lines.size() ? part / 2 : part);
    }
    QCOMPARE(lines.back().y2, 4300.0);
    for (const auto& l : lines)
        QCOMPARE(l.color, RGB(100, 100, 160));
    QCOMPARE(s.CurrentY(), 4300.0);
}

void TestPlotUtil::dashDirectionDoesNotMoveDashes() {
    RecordingSurface down, up;
    InitProgramWindow(down);
    PlotMoveTo(down, 24, 100);
    down.Clear();
    PlotDashTo(down, 24, -100, 2);
    PlotMoveTo(up, 24, -100);
    up.Clear();
    PlotDashTo(up, 24, 100, 2);

    const auto a = DashIntervals(down, 300);
    const auto b = DashIntervals(up, 4300);
    QCOMPARE(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        QVERIFY(std::fabs(a[i].first - b[i].first) < 1e-9);
        QVERIFY(std::fabs(a[i].second - b[i].second) < 1e-9);
    }
}

void TestPlotUtil::dashSizeIsClamped_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("sameAs");
    QTest::newRow("-10 as 0") << -10 << 0;
    QTest::newRow("100 as 15") << 100 << 15;
    QTest::newRow("5 is its own") << 5 << 5;
}

void TestPlotUtil::dashSizeIsClamped() {
    QFETCH(int, size);
    QFETCH(int, sameAs);
    RecordingSurface a, b;
    InitProgramWindow(a);
    PlotMoveTo(a, 24, 100);
    PlotDashTo(a, 24, -100, size);
    InitProgramWindow(b);
    PlotMoveTo(b, 24, 100);
    PlotDashTo(b, 24, -100, sameAs);
    QStringList la, lb;
    for (const auto& c : Lines(a))
        la << c.ToString();
    for (const auto& c : Lines(b))
        lb << c.ToString();
    QCOMPARE(la, lb);
    // dash 50 gives n = 40 (41 dashes), dash 200 gives n = 10, dash 100 gives n = 20.
    const int expectedDashes = sameAs == 0 ? 41 : sameAs == 15 ? 11 : 21;
    QCOMPARE(int(la.size()) - 2, expectedDashes); // minus the window's fill and outline
}

QTEST_GUILESS_MAIN(TestPlotUtil)
#include "tst_plotutil.moc"
