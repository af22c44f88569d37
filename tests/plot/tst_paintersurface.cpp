#include "plot/FontFaces.h"
#include "plot/PainterSurface.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

namespace {

constexpr Color Back = RGB(10, 20, 30), Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255);
constexpr int To = Surface::HasColor, Line = To | Surface::HasStart;

// Paints on a 100 x 100 logical-pixel surface (1500 x 1500 twips), cleared first.
QImage Paint(double dpr, const std::function<void(Surface&)>& draw) {
    QImage image(int(100 * dpr), int(100 * dpr), QImage::Format_RGB32);
    image.fill(Qt::white);
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

// Red text at 7 points in the narrow face for "small fonts", top left at (450, 600).
QRect Text(double dpr, const char* text) {
    return Ink(Paint(dpr, [&](Surface& s) {
        s.SetFontName(QStringLiteral("small fonts"));
        s.SetFontSize(7);
        s.SetForeColor(Red);
        s.SetCurrentX(450);
        s.SetCurrentY(600);
        s.Print(text);
        QCOMPARE(s.CurrentX(), 450.0);
    }));
}

} // namespace

class TestPainterSurface : public QObject {
    Q_OBJECT
private slots:
    void crispAtEveryRatio_data() {
        QTest::addColumn<double>("dpr");
        for (double dpr : {1.0, 1.5, 2.0})
            QTest::addRow("ratio %g", dpr) << dpr;
    }
    void crispAtEveryRatio() {
        QFETCH(double, dpr);
        // One pixel wide, unblended, from end to end.
        const QImage line = Paint(dpr, [](Surface& s) { s.Line(Line, 150, 300, 1350, 300, Red); });
        const int row = qRound(20 * dpr);
        QCOMPARE(Ink(line), QRect(QPoint(qRound(10 * dpr), row), QPoint(qRound(90 * dpr), row)));
        for (int x = qRound(10 * dpr); x <= qRound(90 * dpr); ++x)
            QCOMPARE(At(line, x, row), Red);

        // 7 points are 140 twips (9.33 px); the glyphs lie in the line's cell,
        // a little taller than that for the descenders.
        const QRect ink = Text(dpr, "January 2000");
        const double left = 30 * dpr, top = 40 * dpr, cell = 140 / 15.0 * dpr;
        QVERIFY(ink.left() >= left && ink.left() <= left + 2 * dpr);
        QVERIFY(ink.top() >= top && ink.top() <= top + cell / 2);
        QVERIFY(ink.bottom() <= top + 1.25 * cell && ink.height() >= cell * 0.55);
        // The narrow face: day lines are 144 twips apart, "28" must leave a gap.
        QCOMPARE(QFontInfo(QFont(ResolveFontFace(QStringLiteral("small fonts")))).family(),
                 QStringLiteral("Liberation Sans Narrow"));
        QVERIFY(Text(dpr, "28").width() < (144 - 15) / 15.0 * dpr);
    }

    // Strokes are batched (runs into polylines, the rest into one call per
    // colour): every stroke still lands, in its own colour and in call order.
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
        });
        const QPoint red[] = {{20, 10}, {30, 20}, {40, 30}, {20, 50}, {80, 20}, {50, 80}};
        for (const QPoint& p : red)
            QCOMPARE(At(image, p.x(), p.y()), Red);
        QCOMPARE(At(image, 15, 15), Back); // lines from the current position ignore their start
        QCOMPARE(At(image, 60, 20), Blue);
        QCOMPARE(At(image, 50, 75), Blue);
    }

    void boxesCoverBothCorners() {
        const QImage image = Paint(1, [](Surface& s) {
            s.Line(Line, 150, 300, 450, 300, Blue); // pending when the box comes
            s.Line(Line | Surface::BoxFilled, 450, 450, 150, 150, Red);
            s.Line(Line | Surface::Box, 600, 150, 1200, 900, Blue);
        });
        QCOMPARE(Ink(image), QRect(QPoint(10, 10), QPoint(80, 60)));
        QCOMPARE(At(image, 30, 30), Red);
        QCOMPARE(At(image, 20, 20), Red);
        QCOMPARE(At(image, 80, 60), Blue);
        QCOMPARE(At(image, 40, 10), Blue);
        QCOMPARE(At(image, 60, 30), Back);
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
