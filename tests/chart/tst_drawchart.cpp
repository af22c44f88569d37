#include "TestFiles.h"
#include "chart/Agreement.h"
#include "chart/ChartCommandLine.h"
#include "chart/ChartPage.h"
#include "chart/ChartReadout.h"
#include "chart/ChartState.h"
#include "chart/ChartValues.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"
#include "util/RuntimeError.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <sys/stat.h>

using namespace chart;
using Op = SurfaceCall::Op;

namespace {

const QString Dates = QStringLiteral("--birth 1960-01-01 --date 2000-01-01 ");

// A chart as "birth display centred|- cycles", as in "1960-01-01 2000-01-01 - 123".
ChartOptions Options(const QString& chart, double dpr = 1) {
    const QStringList f = chart.split(' ');
    ChartOptions o;
    o.birth = QDate::fromString(f[0], Qt::ISODate);
    o.display = QDate::fromString(f[1], Qt::ISODate);
    o.centre = f[2] == "centred";
    for (const QChar k : f.value(3))
        o.kinds[k.digitValue()] = true;
    o.devicePixelRatio = dpr;
    o.compare = QDate::fromString(f.value(4), Qt::ISODate); // a second person, by name
    o.comparePerson = f.value(5);
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

class TestDrawChart : public QObject {
    Q_OBJECT
private slots:
    // A painter left unbalanced or misused says so: that is a failure here.
    void init() { QTest::failOnWarning(QRegularExpression("QPainter")); }

    // Worked apart from the program: the angle hours x 360 / (24 x period)
    // reduced exactly, then its sine; a combined kind is the mean of two.
    void levels() {
        const CycleTables t = MakeCycleTables();
        QStringList got; // born 1 January 1960, on 1 January 2000: 350640 hours
        for (int k = FirstKind; k <= LastKind; ++k)
            got << QString::number(100 * CycleLevel(t, k, 350640), 'f', 1);
        QCOMPARE(got, QStringList({"97.9", "-97.5", "-99.0", "16.5", "0.2", "-98.2", "-0.5"}));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, CombinedComponents(4));
    }

    // A second person's dashed curve of each kind is their own chart's curve,
    // every third piece left out.
    void comparedCurvesAreTheirOwn() {
        const CycleTables t = MakeCycleTables();
        for (int k = FirstKind; k <= LastKind; ++k) {
            const auto ends = [&](const QString& chart) {
                RecordingSurface s;
                DrawWholeChart(s, Options(chart.arg(k)));
                QSet<QString> points;
                for (const SurfaceCall& c : s.Calls())
                    if (c.op == Op::Line && c.color == t.CycleColor[k])
                        points << QStringLiteral("%1,%2").arg(c.x2).arg(c.y2);
                return points;
            };
            const QSet<QString> own = ends("1962-04-09 2000-01-01 - %1");
            const QSet<QString> dashed =
                ends("1960-01-01 2000-01-01 - %1 1962-04-09") - ends("1960-01-01 2000-01-01 - %1");
            QVERIFY2(own.contains(dashed) && dashed.size() > own.size() / 2,
                     qPrintable(CycleCaption(k)));
        }
    }

    // First day, marked day, hours from birth; centring goes back 30 days at most.
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
        QCOMPARE(span("1960-01-01 1960-01-31 centred"), "1960-01-01 1960-01-31 0");
        QCOMPARE(span("1960-01-01 1960-02-01 centred"), "1960-01-02 1960-02-01 24");
        QCOMPARE(span("2000-01-02 2000-01-01 centred"), "none");
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
        QVERIFY(Curves("").isEmpty());
        // 1000 days after the birth (1000 = 43 x 23 + 11 = 35 x 28 + 20), Passion's first
        // line ends 3 hours on at 49 (sin(360 11.125/23) + sin(360 20.125/28)) = 49 (0.1023 -
        // 0.9808) = -43: y 2300 + 860.
        RecordingSurface later;
        DrawWholeChart(later, Options("1997-04-06 2000-01-01 - 5"));
        const auto passion =
            std::find_if(later.Calls().begin(), later.Calls().end(),
                         [](const SurfaceCall& c) { return c.color == RGB(200, 200, 0); });
        QVERIFY(passion != later.Calls().end() && passion->x2 == 1618 && passion->y2 == 3160);
    }

    // Each day's line by its first stroke: g grey, b blue-grey on a 1st, k black
    // on the marker; upper case solid to the bottom (Sundays), lower case dashed.
    void dayLines() {
        const QMap<Color, QString> kinds{
            {RGB(192, 192, 192), "g"}, {RGB(100, 100, 160), "b"}, {0, "k"}};
        const auto d = Frame(QDate(2000, 1, 1), QDate(2000, 1, 9)).Drawing();
        QMap<double, QString> first;
        for (const SurfaceCall& c : d) {
            if (c.op == Op::Print) break; // the labels follow
            const QString k = kinds.value(c.color, "?");
            if (!first.contains(c.x2)) first[c.x2] = c.y2 == 4300 ? k.toUpper() : k;
        }
        QCOMPARE(d[0].ToString(), "Line 2 (0, 0)-(10240, 2300) #c0c0c0");
        QString got;
        for (int i = 1; i <= 59; ++i)
            got += first.take(1600 + 144 * i);
        // From Saturday 1 January 2000 marked on Sunday 9 January, by weeks.
        QCOMPARE(got, QString("Ggggggg Kgggggg Ggggggg Ggggggg Ggbgggg Ggggggg Ggggggg Ggggggg Ggg")
                          .remove(' '));
        QCOMPARE(first.keys(), QList<double>{10240}); // the axis's end
    }

    // Month titles at y 92 (twips 306) on days 0 to 53 only; day numbers 6 units
    // left (two digits 12), odd days above the axis (y 1), even below (y -9).
    void labels() {
        const auto titles = [](QDate start) {
            return Prints(Frame(start, start), RGB(0, 0, 255)).join(' ');
        };
        QCOMPARE(titles(QDate(2000, 3, 1)), "March 2000@1600,306 April 2000@6064,306");
        QCOMPARE(titles(QDate(2000, 1, 8)), "February 2000@5056,306 March 2000@9232,306");
        QCOMPARE(titles(QDate(2000, 1, 7)), "February 2000@5200,306"); // 1 March on day 54
        const RecordingSurface s = Frame(QDate(2000, 1, 31), QDate());
        const QStringList days = Prints(s, RGB(0, 0, 0));
        QCOMPARE(QStringList({days[0], days[1], days[9], days[28], days[29]}).join(' '),
                 "1@1708,2126 2@1852,2326 10@2968,2326 29@5704,2126 1@5884,2326"); // 29 Feb
        QCOMPARE(modPlotUtil::PlotFontSize, 7); // back from the credit's small type
        // The credit in its small type; with a second person, the key under the chart, solid first.
        RecordingSurface both;
        DrawWholeChart(both, Options("1960-01-01 2000-01-01 - 1 1962-04-09 Budi"));
        QStringList small;
        for (const SurfaceCall& c : both.Calls())
            if (c.op == Op::Print && (c.text.contains("lahir") || c.text.startsWith("by ")))
                small << c.text + " / " + c.font;
        QCOMPARE(small, QStringList({"by K.P.Morvo / small fonts 6",
                                     "Anda, lahir 1 Januari 1960 / Arial 7",
                                     "Budi, lahir 9 April 1962 / Arial 7"}));
    }

    // Worked by hand (sines as above, the moon's linear count); the tooltip and
    // what a screen reader says: short, the moon only on the day its phase changes.
    void readsADay_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("crossing during the day")
            << "2000-01-01 2000-01-01 - 17" << 11
            << "Rabu 12-01-2000 · hari ke-11 · Fisik +13,6% kritis · Mastery +50,1% ↓ · "
               "Bulan: kuartal awal"
            << "Rabu 12 Januari: Fisik 14 turun, Mastery 50 turun. Kritis: Fisik.";
        QTest::newRow("centred")
            << "1960-01-01 2000-01-01 centred 26" << 30
            << "Sabtu 01-01-2000 · hari ke-14.610 · Emosi -97,5% ↑ · Wisdom -98,2% ↑ · "
               "Bulan: kuartal akhir"
            << "Sabtu 1 Januari: Emosi minus 97 naik, Wisdom minus 98 naik.";
        QTest::newRow("zero: critical for a primary cycle only")
            << "2000-01-01 2000-01-01 - 15" << 0
            << "Sabtu 01-01-2000 · hari ke-0 · Fisik 0,0% kritis · Passion 0,0% ↑ · "
               "Bulan: kuartal akhir"
            << "Sabtu 1 Januari: Fisik 0 naik, Passion 0 naik. Kritis: Fisik.";
        QTest::newRow("the moon's new phase")
            << "2000-01-01 2000-01-01 - 1" << 10
            << "Selasa 11-01-2000 · hari ke-10 · Fisik +39,8% ↓ · Bulan: kuartal awal"
            << "Selasa 11 Januari: Fisik 40 turun. Bulan: kuartal awal.";
        // The second person 12 days older: sin(360 x 12/23) = -0.136, falling to
        // sin(360 x 13/23) = -0.398.
        QTest::newRow("two people")
            << "2000-01-01 2000-01-01 - 1 1999-12-20 Ani" << 0
            << "Sabtu 01-01-2000 · Anda, hari ke-0: Fisik 0,0% kritis · Ani, hari ke-12: Fisik "
               "-13,6% ↓ · Bulan: kuartal akhir"
            << "Sabtu 1 Januari. Anda: Fisik 0 naik. Kritis: Fisik. Ani: Fisik minus 14 turun.";
        QTest::newRow("the second not born yet")
            << "2000-01-01 2000-01-01 - 1 2000-01-05 Ani" << 0
            << "Sabtu 01-01-2000 · Anda, hari ke-0: Fisik 0,0% kritis · Ani: belum lahir · "
               "Bulan: kuartal akhir"
            << "Sabtu 1 Januari. Anda: Fisik 0 naik. Kritis: Fisik. Ani: belum lahir.";
        QTest::newRow("unborn") << "2000-01-02 2000-01-01 - 1" << 0 << ""
                                << "";
        QTest::newRow("day -1") << "1990-01-01 2000-01-01 - 1" << -1 << ""
                                << "";
        QTest::newRow("day 60") << "1990-01-01 2000-01-01 - 1" << 60 << ""
                                << "";
    }
    void readsADay() {
        QFETCH(QString, chart);
        QFETCH(int, day);
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        const auto read = ReadDay(Options(chart), day);
        QCOMPARE(read ? ReadoutText(*read) : QString(), text);
        if (!read) return;
        QCOMPARE(SpokenReadout(*read), spoken);
        QStringList tip = text.split(" · ");
        if (!read->other) tip[0] += " · " + tip.takeAt(1); // the day and its number on one line
        QCOMPARE(ReadoutTip(*read).split('\n'), tip);
        const ReadoutLines last = ReadoutLayouts(*read).back(); // the tightest
        if (day == 11) QCOMPARE(last.second, "F +13,6 kritis · M +50,1↓");
        if (read->other && read->other->dayNumber)
            QCOMPARE(last.first + " | " + last.second,
                     "01-01-2000 · Anda: F 0,0 kritis | Ani: F -13,6↓");
    }

    // Worked apart from the code, d = 828 days: d mod T by hand (828 = 36 x 23; 16 of 28; 3 of
    // 33; 30 of 38), cosines on a calculator (cos 360 16/28 = -0.90097, cos 360 3/33 = 0.84125,
    // cos 360 30/38 = 0.24549); combined kinds the mean of two; the lead the shorter way round.
    void agreement() {
        KindSet all;
        for (int k = 1; k <= 7; ++k)
            all[k] = true;
        QCOMPARE(AgreementLines(all, 828),
                 "Fisik\t100.0\nEmosi\t5.0\nIntelektual\t92.1\nIntuisi\t62.3\n"
                 "Passion\t52.5\nWisdom\t48.5\nMastery\t96.0\nRata-rata\t65.2\n");
        QCOMPARE(QList<double>({Agreement(2, 7), Agreement(2, 14), Agreement(2, -28)}),
                 QList<double>({50, 0, 100})); // exact at the quarter turns
        QCOMPARE(Agreement(3, -828), Agreement(3, 828));
        const Lead emosi = CycleLead(2, 828), intel = CycleLead(3, 828), back = CycleLead(2, -828);
        QCOMPARE(QList<int>({emosi.days, emosi.firstAhead, intel.days, intel.firstAhead, back.days,
                             back.firstAhead}),
                 QList<int>({12, false, 3, true, 12, true}));
        const QDate b(1990, 1, 1); // overall 7.1, 100, 92.3, 100, 65.2: ties keep the list's order
        QCOMPARE(RankByAgreement(b, {b.addDays(14), b, b.addDays(21252), b, b.addDays(828)}, all),
                 (std::vector<std::size_t>{1, 3, 2, 4, 0}));
    }

    // The page: whose chart, when, each cycle's value on the display date, the
    // footer; the curves from the exact sines, within 0.1 % of the chart's height.
    void aPageToHandOn() {
        ChartOptions o = Options("1960-01-01 2000-01-01 - 12");
        o.person = "Ani";
        const auto paint = [](const ChartOptions& options) {
            QBuffer svg;
            svg.open(QIODevice::WriteOnly);
            QSvgGenerator generator;
            generator.setOutputDevice(&svg);
            QPainter painter(&generator);
            PaintChartPage(painter, QRectF(0, 0, 1000, 700), options, QDate(2000, 2, 3));
            painter.end();
            return QString::fromUtf8(svg.data());
        };
        const QString page = paint(o);
        for (const char* text :
             {">Ani<",
              ">Lahir 1 Januari 1960 · 1 Januari 2000 – 29 Februari 2000 · umur 14.610 "
              "hari pada 1 Januari 2000<",
              ">Pada 1 Januari 2000:<", ">Fisik 97,9%<", ">Emosi -97,5%<",
              ">Ondulix " ONDULIX_VERSION " · dicetak 3 Februari 2000<"})
            QVERIFY2(page.contains(QString::fromUtf8(text)), text);
        const auto xOf = [&page](const QString& text) { // where a text starts
            const QRegularExpression at("x=\"([-0-9.]+)\"[^>]*>\\s*" +
                                        QRegularExpression::escape(text) + "<");
            return at.match(page).captured(1).toDouble();
        };
        const double legend[] = {0, xOf("Pada 1 Januari 2000:"), xOf("Fisik 97,9%"),
                                 xOf("Emosi -97,5%"), 1000};
        QVERIFY(std::is_sorted(std::begin(legend), std::end(legend))); // left to right, on the page
        // Fisik's path in twips: x 1600 + 6 t, y 300 + 20 (100 - 98 sin(2 pi (hours + t) / 552)).
        const QString d =
            page.section("stroke=\"#ff0000\"", 1).section("d=\"", 1).section('"', 0, 0);
        const QStringList xy = d.split(QRegularExpression("[^0-9.-]+"), Qt::SkipEmptyParts);
        QVERIFY(xy.size() >= 2 * 60 * 24);
        for (int i = 0; i + 1 < xy.size(); i += 2) {
            const double t = (xy[i].toDouble() - 1600) / 6, hours = 14610.0 * 24 + t;
            const double y = 300 + 20 * (100 - 98 * std::sin(2 * M_PI * hours / (24 * 23)));
            QVERIFY2(std::abs(xy[i + 1].toDouble() - y) <= 4, qPrintable(QString::number(t)));
        }
        // Budi, 828 days younger, on day 13,782: Fisik day 5 of 23, sin = 0.979 (as Ani's:
        // 828 = 36 x 23); Emosi day 6 of 28, sin = 0.975.
        o.compare = QDate(1962, 4, 8), o.comparePerson = "Budi";
        const QString both = paint(o);
        for (const char* text :
             {">Ani (lahir 1 Januari 1960) dan Budi (lahir 8 April 1962)<",
              ">1 Januari 2000 – 29 Februari 2000 · Ani berumur 14.610 hari pada 1 Januari 2000<",
              ">Pada 1 Januari 2000, Ani:<", ">Budi:<", ">Emosi -97,5%<", ">Emosi 97,5%<"})
            QVERIFY2(both.contains(QString::fromUtf8(text)), text);
        QCOMPARE(both.count(">Fisik 97,9%<"), 2);
        o.display = o.display.addDays(60); // the next page: its own day
        QVERIFY(paint(o).contains(">Pada 1 Maret 2000, Ani:<"));
    }

    // Twips (x, y) land on pixel ((x - 1305) 2 / 15, y 2 / 15) at ratio 2: a
    // one-pixel black frame around white; Physical red at its peak (2428, 340)
    // and back at the axis (3256, 2300); Sunday 2 January's solid grey line.
    void imagePixels() {
        const QImage image = RenderChartImage(Options("2000-01-01 2000-01-01 - 1", 2));
        QCOMPARE(image.devicePixelRatio(), 2);
        const auto at = [&](double x, double y, int dx = 0, int dy = 0) {
            return image.pixelColor(qRound((x - 1305) * 2 / 15) + dx, qRound(y * 2 / 15) + dy)
                .name();
        };
        QCOMPARE(QStringList({at(1600, 1200), at(1600, 1200, 1), at(10240, 1200),
                              at(10240, 1200, -1), at(1650, 300), at(1650, 300, 0, 1),
                              at(1650, 4300), at(2428, 340), at(3256, 2300), at(1744, 1000)}),
                 QStringList({"#000000", "#ffffff", "#000000", "#ffffff", "#000000", "#ffffff",
                              "#000000", "#ff0000", "#ff0000", "#c0c0c0"}));
    }

    // The state computes the span once and tells each draw once; priming tells no one.
    void theStateTellsEachDraw() {
        ChartState state;
        QSignalSpy told(&state, &ChartState::Changed);
        ChartOptions o = Options("1960-01-01 2000-01-01 centred 15", 2);
        state.Prime(o, people::OwnId, people::NoPerson);
        QCOMPARE(told.count(), 0);
        QCOMPARE(state.FirstDay(), QDate(1999, 12, 2)); // centred: 30 days before
        o.display = QDate(1959, 12, 31);                // unborn: no span, the display date
        state.Set(o, 7, 9);
        QCOMPARE(told.count(), 1);
        QVERIFY(!state.Span());
        QCOMPARE(state.FirstDay(), QDate(1959, 12, 31));
        QCOMPARE(QPair(state.Person(), state.Compared()), QPair(7u, 9u));
    }

    // Each file the same bytes every time (but a PDF's date); none before birth.
    void files() {
        ChartOptions o = Options("1960-01-01 2000-01-01 centred 15", 2);
        o.person = QString("Ani & <B> ]]>\x01") + QChar(0xFFFF); // what XML must escape or drop
        QTemporaryDir dir;
        static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
        QList<QByteArray> b; // PNG, SVG, PDF, CSV
        for (const auto f :
             {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf, ExportFormat::Csv}) {
            QCOMPARE(WriteChartFile(o, dir.filePath(FormatSuffix(f)), f), QString());
            b << ReadAll(dir.filePath(FormatSuffix(f)));
            // A birth date can be read off it: the user's alone.
            QCOMPARE(QFile::permissions(dir.filePath(FormatSuffix(f))),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            QCOMPARE(QString::fromLatin1(b.back()).remove(stamp),
                     QString::fromLatin1(ChartBytes(o, f)).remove(stamp));
        }
        QCOMPARE(QImage::fromData(b[0]).dotsPerMeterX(), 7559); // no ratio kept: 192 dpi
        QVERIFY(b[1].contains("<title>Ondulix: Ani &amp; &lt;B&gt; ]]&gt;, born 1 January 1960, 60 "
                              "days from 2 December 1999</title>"));
        for (const QByteArray& svg : {b[1], ChartBytes(o, ExportFormat::Svg, {1, true})}) {
            QXmlStreamReader xml(svg); // the screen's chart, and the page: both well-formed
            while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        QCOMPARE(ChartBytes(o, ExportFormat::Pdf, {3, false}).count("/Type /Page\n"), 3);
        QProcess text; // the PDF's text stays text: pdftotext finds the name, the dates, the cycles
        text.start("pdftotext", {"-", "-"}), text.write(b[2]), text.closeWriteChannel();
        const QString words = QString::fromUtf8(text.waitForFinished() ? text.readAll() : "");
        for (const char* word :
             {"Ani & <B> ]]>", "Lahir 1 Januari 1960", "2 Desember 1999", "Passion"})
            QVERIFY2(words.contains(QString::fromUtf8(word)), word);
        // Qt's and librsvg's renderers both draw the curves a pixel wide: Fisik's red, 2 per
        // column.
        QImage qt(616, 307, QImage::Format_RGB32);
        QSvgRenderer(b[1]).render(std::make_unique<QPainter>(&qt).get());
        QProcess rsvg;
        rsvg.start("rsvg-convert", {"-w", "616", "-h", "307"}), rsvg.write(b[1]),
            rsvg.closeWriteChannel();
        for (const QImage& image :
             {qt, rsvg.waitForFinished() ? QImage::fromData(rsvg.readAll()) : qt}) {
            int red = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    red += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 100;
            QVERIFY2(red > 1000, qPrintable(QString::number(red)));
        }
        QVERIFY(b[1].contains("points=\"1600,3320 1618,3260 ") && // twips, texts as text
                b[1].contains(">by K.P.Morvo</text>"));
        QVERIFY(b[2].contains("/FontFile2")); // one page, the chart's face embedded
        QCOMPARE(b[2].count("/Type /Page\n") + b[2].count("/Type /Page "), 1);
        const QList<QByteArray> csv = b[3].split('\n'); // 60 days from 30 days back
        QCOMPARE(csv.size(), 62);                       // and the header and the last line's end
        QCOMPARE(csv[0] + csv[1] + csv[31], "Date,Day since birth,Fisik,Passion\r"
                                            "1999-12-02,14580,-52.0,-74.7\r"
                                            "2000-01-01,14610,97.9,0.2\r");
        // Born on the 31st day shown: nothing before, then day 0. Each named, with their birth.
        o.compare = QDate(2000, 1, 1), o.comparePerson = "Budi";
        const QList<QByteArray> two = ChartBytes(o, ExportFormat::Csv).split('\n');
        QCOMPARE(two[0] + two[1] + two[31],
                 "Date,\"Day since birth (Ani & <B> ]]>, born 1960-01-01)\",Fisik (Ani & <B> ]]>),"
                 "Passion (Ani & <B> ]]>),\"Day since birth (Budi, born 2000-01-01)\",Fisik (Budi),"
                 "Passion (Budi)\r"
                 "1999-12-02,14580,-52.0,-74.7,,,\r2000-01-01,14610,97.9,0.2,0,0.0,0.0\r");
        QCOMPARE(PercentText(-0.04), "0.0");
        o.birth = o.display.addDays(1);
        QVERIFY(WriteChartFile(o, dir.filePath("x"), ExportFormat::Png).contains("after the"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    // A chart's cycles, centring, ratio, format and file; each refused line
    // differs from the first by one argument (a later --birth wins).
    void parses() {
        const auto parse = [](const QString& args) {
            const ChartCommand c = ParseChartCommand(("ondulix-chart " + Dates + args).split(' '));
            if (c.action != ChartCommand::Action::Render) return QStringLiteral("refused");
            QString got;
            for (int k = 1; k <= 7; ++k)
                got += c.options.kinds[k] ? QString::number(k) : QString();
            const bool paged = c.pages.count > 1 || c.pages.svg || !c.options.person.isEmpty();
            return got +
                   QStringLiteral("%1%2 %3 %4")
                       .arg(c.options.centre ? " centred " : " ")
                       .arg(c.options.devicePixelRatio)
                       .arg(FormatSuffix(c.format), c.output) +
                   (paged ? QString(" %1%2 %3")
                                .arg(c.pages.count)
                                .arg(c.pages.svg ? "p" : "")
                                .arg(c.options.person)
                          : QString()) +
                   (c.options.compare.isValid() ? " + " + c.options.compare.toString(Qt::ISODate) +
                                                      ' ' + c.options.comparePerson
                                                : QString());
        };
        QCOMPARE(parse("-o c.png"), "123 1 png c.png");
        QCOMPARE(parse("--center --cycles 1,2,3,5 --scale 2 --format svg -o c.png"),
                 "1235 centred 2 svg c.png");
        QCOMPARE(parse("--scale 4 -o c.PDF"), "123 4 pdf c.PDF");
        QCOMPARE(parse("--pages 24 --name Ani -o c.pdf"), "123 1 pdf c.pdf 24 Ani");
        QCOMPARE(parse("--page -o c.svg"), "123 1 svg c.svg 1p ");
        QCOMPARE(parse("--compare 1962-04-08 --compare-name Budi -o c.png"),
                 "123 1 png c.png + 1962-04-08 Budi");
        QCOMPARE(
            ParseChartCommand({"ondulix-chart", "--birth", "1960-01-01", "--agreement"}).message,
            "--agreement needs --birth and --compare");
        QCOMPARE(ParseChartCommand(QString("ondulix-chart --birth 1990-01-01 --compare 1992-04-08 "
                                           "--agreement --cycles 2,3")
                                       .split(' '))
                     .message,
                 "Emosi\t5.0\nIntelektual\t92.1\nRata-rata\t48.5\n"); // 828 days apart
        for (const char* refused :
             {"--pages 25 -o c.pdf", "--pages 0 -o c.pdf", "--pages 2 -o c.svg", "--page -o c.pdf",
              "--scale 4.01 -o c.png", "--language fr -o c.png", "--scale 0.99 -o c.png",
              "--cycles 1,8 -o c.png", "-o c.jpg", "--format jpg -o c.png", "-o c.png extra",
              "--center", "--compare-name Ani -o c.png", "--birth 1900-12-31 -o c.png",
              "--birth 2000-01-02 -o c.png"})
            QVERIFY2(parse(refused) == "refused", refused);
    }

    // The real program, with no runtime folder (Qt would warn of that): one line
    // of why, exit 2 for the arguments, 1 for the write (the window's tests see
    // a chart written).
    void binary() {
        const auto run = [](const QString& args) {
            QProcess p;
            static const QRegularExpression runtime(QStringLiteral("^(?!XDG_RUNTIME_DIR=)"));
            p.setEnvironment(QProcess::systemEnvironment().filter(runtime));
            p.start(qEnvironmentVariable("ONDULIX_CHART_BIN"), args.split(' '));
            p.waitForFinished(60000);
            return QString::number(p.exitCode()) + ' ' + p.readAllStandardError();
        };
        QCOMPARE(run("--birth 1999-02-29 --date 2000-01-01 -o c.png"),
                 "2 ondulix-chart: --birth 1999-02-29: not a date of the form YYYY-MM-DD\n");
        QCOMPARE(run(Dates + "-o /dev/full --format csv"),
                 "1 ondulix-chart: cannot write /dev/full: No space left on device\n");
        QVERIFY(!QFileInfo("/dev/full").isFile()); // written into, not replaced
        // Into a pipe whose reader is slower than the pipe is long: all of it.
        QProcess reader;
        const QTemporaryDir folder;
        const QString pipe = folder.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        reader.start("sh", {"-c", "{ sleep 0.5; wc -c; } < \"$0\"", pipe});
        QVERIFY(reader.waitForStarted());
        QTest::qWait(200); // the reader holds the pipe open
        QCOMPARE(run(Dates + "--format svg -o " + pipe), "0 ");
        reader.waitForFinished();
        QVERIFY(reader.readAll().trimmed().toInt() > 65536);
    }
};

QTEST_MAIN(TestDrawChart)
#include "tst_drawchart.moc"
