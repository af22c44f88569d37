#include "chart/ChartReadout.h"
#include "chart/DrawChart.h"
#include "moon/MoonPhase.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QTest>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

// A chart as "birth display centred|- cycles", as in "1960-01-01 2000-01-01 - 123".
ChartOptions Options(const QString& chart) {
    const QStringList f = chart.split(' ');
    ChartOptions o;
    o.birth = QDate::fromString(f[0], Qt::ISODate);
    o.display = QDate::fromString(f[1], Qt::ISODate);
    o.centre = f[2] == "centred";
    for (const QChar k : f.value(3))
        o.kinds[k.digitValue()] = true;
    return o;
}

// The grid and labels over 60 days from `start`, on the program's plot
// window: x 1600 + 6 t twips, y 2300 - 20 v; day i's line at x 1600 + 144 i.
RecordingSurface Frame(QDate start, QDate marker) {
    RecordingSurface s;
    InitChartPlot(s);
    s.Clear();
    DrawChart(s, MakeCycleTables(), {0, start, marker, 0}, KindSet());
    return s;
}

// The texts in `color`, as "text@x,y".
QStringList Prints(const RecordingSurface& s, Color color) {
    QStringList out;
    for (const auto& c : s.Calls())
        if (c.op == Op::Print && c.color == color)
            out << QStringLiteral("%1@%2,%3").arg(c.text).arg(c.x1).arg(c.y1);
    return out;
}

// The lines after the last text of a chart from 1 January 2000 centred on
// 31 January, as "x,y #colour" where each ends.
QStringList Curves(const QString& kinds) {
    RecordingSurface s;
    DrawWholeChart(s, Options("2000-01-01 2000-01-31 centred " + kinds));
    QStringList lines;
    for (const SurfaceCall& c : s.Drawing()) {
        if (c.op == Op::Print)
            lines.clear();
        else
            lines << QStringLiteral("%1,%2 %3").arg(c.x2).arg(c.y2).arg(ToQColor(c.color).name());
    }
    return lines;
}

} // namespace

// The chart's cycle model, its 60 days, its drawing and a day read out.
class TestDrawChart : public QObject {
    Q_OBJECT
private slots:
    // Worked apart from the program: the angle hours x 360 / (24 x period)
    // reduced exactly, then its sine; a combined kind is the mean of two.
    // The chart units (98 x level) are the curves' own, checked there.
    void levels() {
        const CycleTables t = MakeCycleTables();
        QStringList got; // born 1 January 1960, on 1 January 2000: 350640 hours
        for (int k = FirstKind; k <= LastKind; ++k)
            got << QString::number(100 * CycleLevel(t, k, 350640), 'f', 1);
        QCOMPARE(got, QStringList({"97.9", "-97.5", "-99.0", "16.5", "0.2", "-98.2", "-0.5"}));
        QCOMPARE(PrimaryValue(t, 1, 23.0 * 24 * 1600, 138), 98); // 1600 periods on, unreduced
        QVERIFY_THROWS_EXCEPTION(SubscriptError, PrimaryValue(t, 5, 0, 0));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, CombinedComponents(4));
    }

    // The first day, the marked one and the hours from birth to the first;
    // centring starts 30 days back, or at birth.
    void spans() {
        const auto span = [](const QString& chart) {
            const ChartOptions o = Options(chart);
            const auto s = ChooseChartSpan(o.birth, o.display, o.centre);
            return !s ? QStringLiteral("none")
                      : QStringLiteral("%1 %2 %3")
                            .arg(s->start.toString(Qt::ISODate), s->marker.toString(Qt::ISODate))
                            .arg(s->hours, 0, 'f', 0);
        };
        QCOMPARE(span("1960-01-01 2000-01-01 -"), "2000-01-01 2000-01-01 350640");
        QCOMPARE(span("1960-01-01 2000-01-01 centred"), "1999-12-02 2000-01-01 349920");
        QCOMPARE(span("1960-01-01 1960-01-11 centred"), "1960-01-01 1960-01-11 0");
        QCOMPARE(span("1960-01-01 1960-01-31 centred"), "1960-01-01 1960-01-31 0");
        QCOMPARE(span("1960-01-01 1960-02-01 centred"), "1960-01-02 1960-02-01 24");
        QCOMPARE(span("1901-01-01 2040-12-31 -"), "2040-12-31 2040-12-31 1227216"); // 51134 days
        QCOMPARE(span("2000-01-02 2000-01-01 centred"), "none");
        RecordingSurface s; // and nothing drawn but the empty plot window
        QVERIFY(!DrawWholeChart(s, Options("2000-01-02 2000-01-01 - 1")));
        for (const auto& c : s.Drawing())
            QVERIFY(c.op == Op::Cls || (c.op == Op::Line && c.x1 == 1600 && c.x2 == 10240));
    }

    // Each ticked kind in order, 480 lines of its colour through the samples
    // every 3 hours; kind k's line to sample i is the (480 (k - 1) + i)th.
    void curves() {
        const QStringList all = Curves("1234567");
        QCOMPARE(all.size(), 7 * 480);
        QStringList got;
        for (const auto& [k, i] :
             {std::pair{1, 1}, {1, 46}, {2, 56}, {3, 480}, {4, 76}, {5, 46}, {6, 240}, {7, 46}})
            got << all[480 * (k - 1) + i - 1];
        QCOMPARE(got, QStringList({"1618,2240 #ff0000", "2428,340 #ff0000", "2608,340 #0000ff",
                                   "10240,4080 #ff00ff", "2968,340 #00b400", "2428,380 #c8c800",
                                   "5920,2400 #00aab4", "2428,440 #646428"}));
        QCOMPARE(Curves("26"), all.mid(480, 480) + all.mid(5 * 480, 480));
        QVERIFY(Curves("").isEmpty());
    }

    // After the axis, each day's line by its first stroke: g grey, b
    // blue-grey on the first of a month, k black on the marker; upper case
    // solid to the bottom (Sundays), lower case dashed.
    void dayLines() {
        const auto days = [](QDate start, QDate marker) {
            const auto d = Frame(start, marker).Drawing();
            QMap<double, QString> first;
            for (const SurfaceCall& c : d) {
                if (c.op == Op::Print) break; // the labels follow
                const QString k = QMap<Color, QString>{
                    {RGB(192, 192, 192), "g"},
                    {RGB(100, 100, 160), "b"},
                    {0, "k"}}.value(c.color, "?");
                if (!first.contains(c.x2)) first[c.x2] = c.y2 == 4300 ? k.toUpper() : k;
            }
            QString out = d[0].ToString() == "Line 2 (0, 0)-(10240, 2300) #c0c0c0" ? "" : "no axis";
            for (int i = 1; i <= 59; ++i)
                out += first.take(1600 + 144 * i);
            return first.size() == 1 ? out : out + " and more"; // the axis's end is left
        };
        // From Saturday 1 January 2000 marked on 1 February, and from Sunday
        // 3 September 2000 marked on Sunday 10 September; a space between weeks.
        QCOMPARE(days(QDate(2000, 1, 1), QDate(2000, 2, 1)),
                 QString("Ggggggg Ggggggg Ggggggg Ggggggg Ggkgggg Ggggggg Ggggggg Ggggggg Ggg")
                     .remove(' '));
        QCOMPARE(days(QDate(2000, 9, 3), QDate(2000, 9, 10)),
                 QString("gggggg Kgggggg Ggggggg Ggggggg Bgggggg Ggggggg Ggggggg Ggggggg Gggb")
                     .remove(' '));
    }

    // Each month's title at y 92 (twips 306), on days 0 to 53 only.
    void monthTitles() {
        const auto titles = [](QDate start) {
            return Prints(Frame(start, start), RGB(0, 0, 255)).join(' ');
        };
        QCOMPARE(titles(QDate(2000, 3, 1)), "March 2000@1600,306 April 2000@6064,306");
        QCOMPARE(titles(QDate(2000, 1, 8)), "February 2000@5056,306 March 2000@9232,306");
        QCOMPARE(titles(QDate(2000, 1, 7)), "February 2000@5200,306"); // 1 March on day 54
    }

    // One digit shifted 6 units left, two 12; odd days above the axis (y 1),
    // even ones below (y -9); then the credit line on its white patch.
    void dayNumbersAndCredit() {
        const RecordingSurface s = Frame(QDate(2000, 1, 31), QDate());
        const QStringList days = Prints(s, RGB(0, 0, 0));
        QCOMPARE(days.size(), 59);
        QCOMPARE(QStringList({days[0], days[1], days[9], days[28], days[29]}).join(' '),
                 "1@1708,2126 2@1852,2326 10@2968,2326 29@5704,2126 1@5884,2326"); // 29 Feb
        const auto d = s.Drawing();
        QCOMPARE(d[d.size() - 3].ToString(), "Print \"30\" at (10024, 2126) small fonts 7 #000000");
        QCOMPARE(d[d.size() - 2].ToString(), "Line 38 (9400, 4280)-(10120, 4140) #ffffff");
        QCOMPARE(d.back().ToString(),
                 "Print \"by K.P.Morvo\" at (9520, 4148) small fonts 6 #ffb4b4");
        QCOMPARE(modPlotUtil::PlotFontSize, 7);
    }

    // Worked out apart from the program (the sines as above, the moon's
    // linear count); the window's two lines and the tooltip say the same.
    void readsADay_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::newRow("crossing during the day")
            << "2000-01-01 2000-01-01 - 17" << 11
            << "Rabu 12-01-2000 · hari ke-11 · Fisik +13,6% kritis · Mastery +50,1% ↓ · "
               "Bulan: kuartal awal";
        QTest::newRow("centred")
            << "1960-01-01 2000-01-01 centred 26" << 30
            << "Sabtu 01-01-2000 · hari ke-14.610 · Emosi -97,5% ↑ · Wisdom -98,2% ↑ · "
               "Bulan: kuartal akhir";
        QTest::newRow("zero: critical for a primary cycle, not a combined one")
            << "2000-01-01 2000-01-01 - 15" << 0
            << "Sabtu 01-01-2000 · hari ke-0 · Fisik 0,0% kritis · Passion 0,0% ↑ · "
               "Bulan: kuartal akhir";
        QTest::newRow("unborn") << "2000-01-02 2000-01-01 - 1" << 0 << "";
        QTest::newRow("before the chart") << "1990-01-01 2000-01-01 - 1" << -1 << "";
        QTest::newRow("after it") << "1990-01-01 2000-01-01 - 1" << 60 << "";
    }
    void readsADay() {
        QFETCH(QString, chart);
        QFETCH(int, day);
        QFETCH(QString, text);
        const auto read = ReadDay(Options(chart), day);
        QCOMPARE(read ? ReadoutText(*read) : QString(), text);
        if (!read) return;
        const ReadoutLines lines = ReadoutLinesOf(*read);
        QStringList parts = text.split(" · "), tip = parts;
        parts.move(parts.size() - 1, 2); // the moon joins the day
        QCOMPARE(lines.day + " · " + lines.cycles, parts.join(" · "));
        tip[0] += " · " + tip.takeAt(1); // the day and its number on one line
        QCOMPARE(ReadoutTip(*read).split('\n'), tip);
        if (day == 11) QCOMPARE(lines.cyclesBrief, "F +13,6 kritis · M +50,1↓");
    }

    // New at pictures 1 and 24, half lit at 7 and 20, full at 13 and 14.
    void moonPhases() {
        QList<int> phases;
        for (int picture : {1, 7, 13, 14, 20, 24})
            phases << moon::PhaseOfPicture(picture);
        QCOMPARE(phases, QList<int>({0, 2, 4, 4, 6, 0}));
        QCOMPARE(moon::PhaseName(4), "purnama");
    }
};

QTEST_GUILESS_MAIN(TestDrawChart)
#include "tst_drawchart.moc"
