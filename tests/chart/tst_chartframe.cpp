#include "chart/ChartFrame.h"
#include "chart/DrawCommand.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

constexpr Color Grey = RGB(192, 192, 192);
constexpr Color BlueGrey = RGB(100, 100, 160);
constexpr Color Black = RGB(0, 0, 0);

// One vertical day line: its device x, colour, and whether it is solid.
struct DayLine {
    double x;
    Color color;
    bool solid;
};

// The grid's day lines, read back from the recorded calls: each starts with a
// move to the top, then one solid line or a run of dashes.
QList<DayLine> DayLines(const RecordingSurface& s) {
    QList<DayLine> out;
    const auto& calls = s.Calls();
    for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
        if (calls[i].op != Op::SetCurrentY || calls[i].y1 != 300) continue;
        // Next Line call after the move.
        std::size_t j = i + 1;
        while (calls[j].op != Op::Line)
            ++j;
        const bool solid = calls[j].y2 == 4300;
        out.append({calls[j].x2, calls[j].color, solid});
    }
    return out;
}

QList<SurfaceCall> Prints(const RecordingSurface& s) {
    QList<SurfaceCall> out;
    for (const auto& c : s.Calls())
        if (c.op == Op::Print) out.append(c);
    return out;
}

RecordingSurface GridFor(QDate start, QDate marker) {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    DrawDayGrid(s, start, marker);
    return s;
}

RecordingSurface LabelsFor(QDate start) {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    DrawChartLabels(s, start);
    return s;
}

} // namespace

class TestChartFrame : public QObject {
    Q_OBJECT
private slots:
    void gridStartsWithTheZeroAxis();
    void gridHasOneLinePerDay();
    void gridMarksSundaysMonthsAndMarker_data();
    void gridMarksSundaysMonthsAndMarker();
    void markerOnStartDrawsNoBlackLine();
    void monthTitles_data();
    void monthTitles();
    void dayNumbers();
    void creditLine();
};

void TestChartFrame::gridStartsWithTheZeroAxis() {
    const RecordingSurface s = GridFor(QDate(2000, 1, 1), QDate(2000, 1, 1));
    const auto& c = s.Calls();
    QCOMPARE(c[0].ToString(), QStringLiteral("CurrentX = 1600"));
    QCOMPARE(c[1].ToString(), QStringLiteral("CurrentY = 2300"));
    QCOMPARE(c[2].ToString(), QStringLiteral("Line 2 (0, 0)-(10240, 2300) #c0c0c0"));
}

void TestChartFrame::gridHasOneLinePerDay() {
    const RecordingSurface s = GridFor(QDate(2000, 1, 1), QDate(2000, 1, 1));
    const auto lines = DayLines(s);
    QCOMPARE(lines.size(), 59);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i].x, 1600.0 + 144 * (i + 1));
    // Every dashed line ends exactly at the bottom border.
    QCOMPARE(s.Calls().back().y2, 4300.0);
    QCOMPARE(modPlotUtil::PlotColor, lines.back().color);
}

void TestChartFrame::gridMarksSundaysMonthsAndMarker_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("marker");
    QTest::addColumn<int>("day");
    QTest::addColumn<Color>("color");
    QTest::addColumn<bool>("solid");
    const QDate start(2000, 1, 1); // a Saturday
    QTest::newRow("Sunday 2 Jan") << start << start << 1 << Grey << true;
    QTest::newRow("Monday 3 Jan") << start << start << 2 << Grey << false;
    QTest::newRow("Tuesday 1 Feb") << start << start << 31 << BlueGrey << false;
    QTest::newRow("Tuesday 29 Feb") << start << start << 59 << Grey << false;
    QTest::newRow("marker on a weekday") << start << QDate(2000, 1, 5) << 4 << Black << false;
    QTest::newRow("marker on a Sunday") << start << QDate(2000, 1, 9) << 8 << Black << true;
    QTest::newRow("marker on a first") << start << QDate(2000, 2, 1) << 31 << Black << false;
    QTest::newRow("first of month on Sunday")
        << QDate(2000, 9, 10) << QDate(2000, 9, 10) << 21 << BlueGrey << true;
    QTest::newRow("third first, 1 Apr 2001")
        << QDate(2001, 2, 1) << QDate(2001, 2, 1) << 59 << BlueGrey << true;
}

void TestChartFrame::gridMarksSundaysMonthsAndMarker() {
    QFETCH(QDate, start);
    QFETCH(QDate, marker);
    QFETCH(int, day);
    QFETCH(Color, color);
    QFETCH(bool, solid);
    const auto lines = DayLines(GridFor(start, marker));
    const DayLine line = lines.at(day - 1);
    QCOMPARE(line.x, 1600.0 + 144 * day);
    QCOMPARE(line.color, color);
    QCOMPARE(line.solid, solid);
}

void TestChartFrame::markerOnStartDrawsNoBlackLine() {
    const auto lines = DayLines(GridFor(QDate(2000, 1, 31), QDate(2000, 1, 31)));
    for (const DayLine& l : lines)
        QVERIFY(l.color != Black);
}

void TestChartFrame::monthTitles_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QStringList>("titles"); // "text@x"
    QTest::newRow("31 Jan 2000") << QDate(2000, 1, 31)
                                 << QStringList{"February 2000@1744", "March 2000@5920"};
    QTest::newRow("start on a first")
        << QDate(2000, 3, 1) << QStringList{"March 2000@1600", "April 2000@6064"};
    QTest::newRow("1 Feb 2001, April untitled")
        << QDate(2001, 2, 1) << QStringList{"February 2001@1600", "March 2001@5632"};
    QTest::newRow("month from day 54 untitled")
        << QDate(2000, 1, 7) << QStringList{"February 2000@5200"};
    QTest::newRow("month on day 53 titled")
        << QDate(2000, 1, 8) << QStringList{"February 2000@5056", "March 2000@9232"};
}

void TestChartFrame::monthTitles() {
    QFETCH(QDate, start);
    QFETCH(QStringList, titles);
    QStringList found;
    for (const auto& p : Prints(LabelsFor(start))) {
        if (p.color != RGB(0, 0, 255)) continue;
        QCOMPARE(p.y1, 306.0); // y 92, text top 154 units above
        QCOMPARE(p.fontName, QStringLiteral("small fonts"));
        QCOMPARE(p.number, 7.0);
        QVERIFY(!p.flag && !p.italic);
        found << QStringLiteral("%1@%2").arg(p.text).arg(p.x1);
    }
    QCOMPARE(found, titles);
}

void TestChartFrame::dayNumbers() {
    QList<SurfaceCall> numbers;
    for (const auto& p : Prints(LabelsFor(QDate(2000, 1, 31))))
        if (p.color == RGB(0, 0, 0)) numbers.append(p);
    QCOMPARE(numbers.size(), 59);
    // Chart day 1 is 1 February: one digit, above the axis.
    QCOMPARE(numbers[0].text, QStringLiteral("1"));
    QCOMPARE(numbers[0].x1, 1600.0 + 6 * (24 - 6));
    QCOMPARE(numbers[0].y1, 2280.0 - 154);
    // Chart day 2, below the axis.
    QCOMPARE(numbers[1].text, QStringLiteral("2"));
    QCOMPARE(numbers[1].y1, 2480.0 - 154);
    // Chart day 10 is 10 February: two digits, shifted by 12.
    QCOMPARE(numbers[9].text, QStringLiteral("10"));
    QCOMPARE(numbers[9].x1, 1600.0 + 6 * (240 - 12));
    // 29 February 2000 then 1 March.
    QCOMPARE(numbers[28].text, QStringLiteral("29"));
    QCOMPARE(numbers[29].text, QStringLiteral("1"));
    QCOMPARE(numbers[58].text, QStringLiteral("30"));
}

void TestChartFrame::creditLine() {
    const RecordingSurface s = LabelsFor(QDate(2000, 1, 31));
    const auto d = s.Drawing();
    const SurfaceCall& box = d[d.size() - 2];
    QCOMPARE(box.ToString(), QStringLiteral("Line 38 (9400, 4280)-(10120, 4140) #ffffff"));
    const SurfaceCall& credit = d.back();
    QCOMPARE(credit.text, QStringLiteral("by K.P.Morvo"));
    QCOMPARE(credit.x1, 9520.0);
    QCOMPARE(credit.y1, 4280.0 - 22 * 6);
    QCOMPARE(credit.number, 6.0);
    QCOMPARE(credit.color, RGB(180, 180, 255));
    QCOMPARE(modPlotUtil::PlotFontSize, 7);
    QCOMPARE(modPlotUtil::PlotColor, RGB(180, 180, 255));
}

QTEST_GUILESS_MAIN(TestChartFrame)
#include "tst_chartframe.moc"
