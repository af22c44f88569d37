#include "chart/ChartFrame.h"
#include "chart/DrawChart.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

constexpr Color Grey = RGB(192, 192, 192);
constexpr Color BlueGrey = RGB(100, 100, 160);
constexpr Color Black = RGB(0, 0, 0);

RecordingSurface Frame(QDate start, QDate marker, bool labels) {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    if (labels)
        DrawChartLabels(s, start);
    else
        DrawDayGrid(s, start, marker);
    return s;
}

// Each day line as "x colour solid|dashed": a move to the top, then one line
// to the bottom or a run of dashes.
QStringList DayLines(const RecordingSurface& s) {
    QStringList out;
    const auto& calls = s.Calls();
    for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
        if (calls[i].op != Op::SetCurrentY || calls[i].y1 != 300) continue;
        std::size_t j = i + 1;
        while (calls[j].op != Op::Line)
            ++j; // a dashed line first reads the position
        const SurfaceCall& first = calls[j];
        out << QStringLiteral("%1 #%2 %3")
                   .arg(first.x2)
                   .arg(first.color, 6, 16, QLatin1Char('0'))
                   .arg(first.y2 == 4300 ? "solid" : "dashed");
    }
    return out;
}

QList<SurfaceCall> Prints(const RecordingSurface& s, Color color) {
    QList<SurfaceCall> out;
    for (const auto& c : s.Calls())
        if (c.op == Op::Print && c.color == color) out.append(c);
    return out;
}

} // namespace

class TestChartFrame : public QObject {
    Q_OBJECT
private slots:
    void gridIsAxisThenOneLinePerDay() {
        const RecordingSurface s = Frame(QDate(2000, 1, 1), QDate(2000, 1, 1), false);
        const auto& c = s.Calls();
        QCOMPARE(c[2].ToString(), QStringLiteral("Line 2 (0, 0)-(10240, 2300) #c0c0c0"));
        const QStringList lines = DayLines(s);
        QCOMPARE(lines.size(), 59);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(lines[i].startsWith(QString::number(1600 + 144 * (i + 1)) + ' '));
        QCOMPARE(c.back().y2, 4300.0);
    }

    void gridMarksSundaysMonthsAndMarker_data() {
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
        QTest::newRow("first on a Sunday")
            << QDate(2000, 9, 10) << QDate(2000, 9, 10) << 21 << BlueGrey << true;
        QTest::newRow("third first, 1 Apr 2001")
            << QDate(2001, 2, 1) << QDate(2001, 2, 1) << 59 << BlueGrey << true;
    }
    void gridMarksSundaysMonthsAndMarker() {
        QFETCH(QDate, start);
        QFETCH(QDate, marker);
        QFETCH(int, day);
        QFETCH(Color, color);
        QFETCH(bool, solid);
        const QStringList lines = DayLines(Frame(start, marker, false));
        QCOMPARE(lines.at(day - 1), QStringLiteral("%1 #%2 %3")
                                        .arg(1600 + 144 * day)
                                        .arg(color, 6, 16, QLatin1Char('0'))
                                        .arg(solid ? "solid" : "dashed"));
    }

    void markerOnStartDrawsNoBlackLine() {
        for (const QString& line : DayLines(Frame(QDate(2000, 1, 31), QDate(2000, 1, 31), false)))
            QVERIFY(!line.contains("#000000"));
    }

    void monthTitles_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QStringList>("titles"); // "text@x"
        QTest::newRow("31 Jan 2000")
            << QDate(2000, 1, 31) << QStringList{"February 2000@1744", "March 2000@5920"};
        QTest::newRow("start on a first")
            << QDate(2000, 3, 1) << QStringList{"March 2000@1600", "April 2000@6064"};
        QTest::newRow("1 Feb 2001, April untitled")
            << QDate(2001, 2, 1) << QStringList{"February 2001@1600", "March 2001@5632"};
        QTest::newRow("month from day 54 untitled")
            << QDate(2000, 1, 7) << QStringList{"February 2000@5200"};
        QTest::newRow("month on day 53 titled")
            << QDate(2000, 1, 8) << QStringList{"February 2000@5056", "March 2000@9232"};
    }
    void monthTitles() {
        QFETCH(QDate, start);
        QFETCH(QStringList, titles);
        QStringList found;
        for (const auto& p : Prints(Frame(start, start, true), RGB(0, 0, 255))) {
            QCOMPARE(p.y1, 306.0); // y 92, text top 154 units above
            QCOMPARE(p.fontName, QStringLiteral("small fonts"));
            QCOMPARE(p.number, 7.0);
            QVERIFY(!p.flag && !p.italic);
            found << QStringLiteral("%1@%2").arg(p.text).arg(p.x1);
        }
        QCOMPARE(found, titles);
    }

    void dayNumbers() {
        // Chart days from 1 February 2000: one digit shifted by 6, two by 12, odd
        // days above the axis (y 1), even days below (y -9).
        QStringList found;
        for (const auto& p : Prints(Frame(QDate(2000, 1, 31), QDate(), true), Black))
            found << QStringLiteral("%1@%2,%3").arg(p.text).arg(p.x1).arg(p.y1);
        QCOMPARE(found.size(), 59);
        QCOMPARE(found[0], QStringLiteral("1@1708,2126"));
        QCOMPARE(found[1], QStringLiteral("2@1852,2326"));
        QCOMPARE(found[9], QStringLiteral("10@2968,2326"));
        QCOMPARE(found[28], QStringLiteral("29@5704,2126")); // 29 February
        QCOMPARE(found[29], QStringLiteral("1@5884,2326"));
        QCOMPARE(found[58], QStringLiteral("30@10024,2126"));
    }

    void creditLine() {
        const auto d = Frame(QDate(2000, 1, 31), QDate(), true).Drawing();
        QCOMPARE(d[d.size() - 2].ToString(),
                 QStringLiteral("Line 38 (9400, 4280)-(10120, 4140) #ffffff"));
        QCOMPARE(d.back().ToString(),
                 QStringLiteral("Print \"by K.P.Morvo\" at (9520, 4148) small fonts 6 #ffb4b4"));
        QCOMPARE(modPlotUtil::PlotFontSize, 7);
    }
};

QTEST_GUILESS_MAIN(TestChartFrame)
#include "tst_chartframe.moc"
