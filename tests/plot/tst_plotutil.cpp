#include "plot/PainterSurface.h"
#include "plot/RecordingSurface.h"
#include "plot/modPlotUtil.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

using namespace modPlotUtil;

namespace {

constexpr Color Back = RGB(10, 20, 30), Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255);
constexpr int To = Surface::HasColor, Line = To | Surface::HasStart;

// Paints on a 100 x 100 logical-pixel PainterSurface (1500 x 1500 twips), cleared first.
QImage Paint(double dpr, const std::function<void(Surface&)>& draw) {
    QImage image(int(100 * dpr), int(100 * dpr), QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface s(painter, PainterSurface::TwipRaster(QRectF(0, 0, 1500, 1500), dpr), Back);
    s.Cls();
    draw(s);
    s.Flush();
    return image;
}

Color At(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// Bounding box of the pixels that are not the background.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != Back) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// The plot window, recorded: world x 0..1440 at 6 units, y -100..100 at 20
// units, on device x 1600..10240 and y 300..4300; then what the painter makes of it.
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

    // The window cleared white and edged in black, then a box of each style and a line.
    void boxesAndLines() {
        QCOMPARE(PlotColor, RGB(0, 0, 0));
        PlotColor = QBColor(13);
        PlotBox(s, 1300, -99, 1420, -92, 1);
        PlotBox(s, 1300, -99, 1420, -92, 2);
        PlotMoveTo(s, 24, 100);
        PlotLineTo(s, 24, -100);
        QCOMPARE(Lines(), QStringList({"Cls", "Line 38 (1600, 4300)-(10240, 300) #ffffff",
                                       "Line 22 (1600, 4300)-(10240, 300) #000000",
                                       "Line 22 (9400, 4280)-(10120, 4140) #ff00ff",
                                       "Line 38 (9400, 4280)-(10120, 4140) #ff00ff",
                                       "Line 2 (0, 0)-(1744, 4300) #ff00ff"}));
        QCOMPARE(QPoint(PlotX(-150), PlotY(-150)), QPoint(1600, 4300)); // pinned to the window
        QCOMPARE(QPoint(PlotX(2000), PlotY(2000)), QPoint(10240, 300));
    }

    // On the top edge: the text's top is 22 units per point higher, unpinned.
    void textInThePlotFontThenTheSurfacesAgain() {
        s.SetFontBold(true);
        PlotColor = QBColor(9);
        PlotText(s, 24, 100, QStringLiteral("May"));
        QCOMPARE(Lines().back(), "Print \"May\" at (1744, 146) small fonts 7 #ff0000");
        s.Print(QStringLiteral("x"));
        QCOMPARE(Lines().back(), "Print \"x\" at (1744, 146) MS Sans Serif 8.25 bold #000000");
    }

    void dashes_data() {
        QTest::addColumn<QList<int>>("path"); // from x, y to x, y, dash size
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("120 units, under the period of 140: solid")
            << QList<int>{24, 0, 24, 6, 2} << QStringList{"Line 2 (0, 0)-(1744, 2180) #000000"};
        QTest::newRow("size 100 is dash 200: one period of 400, half, gap, half")
            << QList<int>{24, 0, 24, 20, 100}
            << QStringList{"Line 2 (0, 0)-(1744, 2200) #000000",
                           "Line 6 (1744, 2000)-(1744, 1900) #000000"};
        QTest::newRow("size below 0 is dash 50: 250 units make two periods")
            << QList<int>{0, 0, 25, -10, -10}
            << QStringList{"Line 2 (0, 0)-(1618.75, 2325) #000000",
                           "Line 6 (1656.25, 2375)-(1693.75, 2425) #000000",
                           "Line 6 (1731.25, 2475)-(1750, 2500) #000000"};
    }
    void dashes() {
        QFETCH(QList<int>, path);
        QFETCH(QStringList, lines);
        PlotMoveTo(s, path[0], path[1]);
        s.Clear();
        PlotDashTo(s, path[2], path[3], path[4]);
        QCOMPARE(Lines(), lines);
    }

    void crispPixelsAtEveryRatio_data() {
        QTest::addColumn<double>("dpr");
        for (double dpr : {1.0, 1.5, 2.0})
            QTest::addRow("ratio %g", dpr) << dpr;
    }
    void crispPixelsAtEveryRatio() {
        QFETCH(double, dpr);
        // One pixel wide, unblended, from end to end.
        const QImage line = Paint(dpr, [](Surface& s) { s.Line(Line, 150, 300, 1350, 300, Red); });
        const int row = qRound(20 * dpr);
        QCOMPARE(Ink(line), QRect(QPoint(qRound(10 * dpr), row), QPoint(qRound(90 * dpr), row)));
        for (int x = qRound(10 * dpr); x <= qRound(90 * dpr); ++x)
            QCOMPARE(At(line, x, row), Red);
        // 7 points are 140 twips (9.33 px); the glyphs lie in the line's cell,
        // a little taller than that for the descenders.
        const QRect ink = Ink(Paint(dpr, [](Surface& s) {
            s.SetFontSize(7);
            s.SetCurrentX(450);
            s.SetCurrentY(600);
            s.Print(QStringLiteral("January 2000"));
        }));
        const double left = 30 * dpr, top = 40 * dpr, cell = 140 / 15.0 * dpr;
        QVERIFY(QRectF(left, top, 2 * dpr, cell / 2).contains(ink.topLeft()));
        QVERIFY(ink.bottom() <= top + 1.25 * cell && ink.height() >= cell * 0.55);
    }

    // Batched into polylines and one call per colour, every stroke still lands in its own colour
    // and in call order; a box paints what is pending first, a filled one both corner pixels.
    void everyStrokeLands() {
        const QImage image = Paint(1, [](Surface& s) {
            s.Line(Line, 150, 150, 450, 150, Red); // a run of three
            s.Line(To, 0, 0, 450, 450, Red);
            s.Line(To, 0, 0, 750, 450, Red);
            s.Line(Line, 150, 750, 450, 750, Red);  // a lone stroke
            s.Line(Line, 900, 150, 900, 450, Blue); // another colour
            s.Line(Line, 1200, 150, 1200, 450, Red);
            s.Line(Line, 150, 1200, 1350, 1200, Red); // crossed, then crossed back
            s.Line(Line, 750, 1050, 750, 1350, Blue);
            s.Line(Line, 600, 1200, 900, 1200, Red);
            s.Line(Line, 600, 750, 900, 750, Blue); // under the filled box
            s.Line(Line | Surface::BoxFilled, 900, 900, 600, 600, Red);
            s.Line(Line | Surface::Box, 1050, 600, 1350, 900, Blue);
        });
        for (const QPoint& p :
             {QPoint(20, 10), {30, 20}, {40, 30}, {20, 50}, {80, 20}, {50, 80}, {50, 50}, {60, 60}})
            QCOMPARE(At(image, p.x(), p.y()), Red);
        for (const QPoint& p : {QPoint(60, 20), {50, 75}, {90, 60}})
            QCOMPARE(At(image, p.x(), p.y()), Blue);
        QCOMPARE(At(image, 15, 15), Back); // lines from the current position ignore their start
        QCOMPARE(At(image, 80, 50), Back); // the outline is not filled
    }
};

QTEST_MAIN(TestPlotUtil)
#include "tst_plotutil.moc"
