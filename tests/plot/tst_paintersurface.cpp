#include "plot/FontFaces.h"
#include "plot/PainterSurface.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

namespace {

constexpr Color Back = RGB(10, 20, 30);
constexpr Color Red = RGB(255, 0, 0);
constexpr int Line = Surface::HasColor | Surface::HasStart;

// Paints on a 100 x 100 logical-pixel surface (1500 x 1500 twips), cleared first.
QImage Paint(double dpr, const std::function<void(Surface&)>& draw) {
    const int side = static_cast<int>(100 * dpr);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, PainterSurface::TwipRaster(QRectF(0, 0, 1500, 1500), dpr),
                           Back);
    surface.Cls();
    draw(surface);
    surface.Flush();
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

void PrintAt(Surface& s, double x, double y, const QString& text) {
    s.SetFontName(QStringLiteral("small fonts"));
    s.SetFontSize(7);
    s.SetForeColor(Red);
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

} // namespace

class TestPainterSurface : public QObject {
    Q_OBJECT
private slots:
    void linesAreOneCrispPixel_data() {
        QTest::addColumn<double>("dpr");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 1.5") << 1.5;
        QTest::newRow("ratio 2") << 2.0;
    }
    void linesAreOneCrispPixel() {
        QFETCH(double, dpr);
        const QImage image = Paint(dpr, [](Surface& s) { s.Line(Line, 150, 300, 1350, 300, Red); });
        const int row = qRound(20 * dpr);
        QCOMPARE(Ink(image), QRect(QPoint(qRound(10 * dpr), row), QPoint(qRound(90 * dpr), row)));
        QCOMPARE(At(image, 50, row), Red);
        QCOMPARE(At(image, 0, 0), Back); // Cls painted the background
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(At(image, x, y) == Back || At(image, x, y) == Red);
    }

    // Strokes are batched (runs into polylines, the rest into one call per
    // colour): every stroke still lands, in its own colour.
    void everyStrokeLands() {
        constexpr Color Blue = RGB(0, 0, 255);
        constexpr int To = Surface::HasColor; // from the current position
        const QImage image = Paint(1, [](Surface& s) {
            s.Line(Line, 150, 150, 450, 150, Red); // a run of three
            s.Line(To, 0, 0, 450, 450, Red);
            s.Line(To, 0, 0, 750, 450, Red);
            s.Line(Line, 150, 750, 450, 750, Red);  // a lone stroke
            s.Line(Line, 900, 150, 900, 450, Blue); // another colour
            s.Line(Line, 1200, 150, 1200, 450, Red);
        });
        const std::pair<QPoint, Color> middles[] = {{{20, 10}, Red},  {{30, 20}, Red},
                                                    {{40, 30}, Red},  {{20, 50}, Red},
                                                    {{60, 20}, Blue}, {{80, 20}, Red}};
        for (const auto& [at, color] : middles)
            QVERIFY2(At(image, at.x(), at.y()) == color,
                     qPrintable(QString("%1,%2").arg(at.x()).arg(at.y())));
    }

    void lineFromCurrentPositionIgnoresStart() {
        const QImage image = Paint(1, [](Surface& s) {
            s.SetCurrentX(300);
            s.SetCurrentY(150);
            s.Line(Surface::HasColor, 900, 900, 300, 1350, Red);
            QCOMPARE(s.CurrentY(), 1350.0);
        });
        QCOMPARE(Ink(image), QRect(20, 10, 1, 81));
    }

    void boxesCoverBothCorners() {
        const QImage filled = Paint(
            1, [](Surface& s) { s.Line(Line | Surface::BoxFilled, 1200, 900, 300, 150, Red); });
        QCOMPARE(Ink(filled), QRect(QPoint(20, 10), QPoint(80, 60)));
        QCOMPARE(At(filled, 50, 30), Red);
        const QImage outline =
            Paint(1, [](Surface& s) { s.Line(Line | Surface::Box, 300, 150, 1200, 900, Red); });
        QCOMPARE(Ink(outline), QRect(QPoint(20, 10), QPoint(80, 60)));
        QCOMPARE(At(outline, 80, 30), Red);
        QCOMPARE(At(outline, 50, 60), Red);
        QCOMPARE(At(outline, 50, 30), Back);
    }

    void laterColourPaintsOver() {
        // Lines are batched by colour; the order of colours must survive that.
        const QImage image = Paint(1, [](Surface& s) {
            s.Line(Line, 150, 300, 1350, 300, Red);
            s.Line(Line, 750, 150, 750, 1350, RGB(0, 0, 255));
            s.Line(Line, 150, 300, 1350, 300, Red);
            s.Line(Line | Surface::BoxFilled, 600, 600, 900, 900, RGB(0, 255, 0));
        });
        QCOMPARE(At(image, 50, 20), Red);
        QCOMPARE(At(image, 50, 30), RGB(0, 0, 255));
        QCOMPARE(At(image, 50, 50), RGB(0, 255, 0));
    }

    void narrowFaceFitsTwoDigitsInADay() {
        QCOMPARE(QFontInfo(QFont(ResolveFontFace(QStringLiteral("small fonts")))).family(),
                 QStringLiteral("Liberation Sans Narrow"));
        // Day lines are 144 twips (9.6 px) apart; "28" at 7 points must leave a gap.
        const QRect ink = Ink(Paint(1, [](Surface& s) { PrintAt(s, 300, 300, "28"); }));
        QVERIFY2(ink.width() > 4 && ink.width() * 15 < 144 - 15,
                 qPrintable(QString::number(ink.width())));
    }

    void textStandsBelowItsTopLeft_data() {
        QTest::addColumn<double>("dpr");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }
    void textStandsBelowItsTopLeft() {
        QFETCH(double, dpr);
        const QRect ink = Ink(Paint(dpr, [](Surface& s) {
            PrintAt(s, 450, 600, "January 2000");
            QCOMPARE(s.CurrentX(), 450.0);
        }));
        // 7 points are 140 twips (9.33 px); the glyphs lie in the line's cell,
        // a little taller than that for the descenders.
        const double left = 30 * dpr, top = 40 * dpr, cell = 140 / 15.0 * dpr;
        QVERIFY2(ink.left() >= left && ink.left() <= left + 2 * dpr,
                 qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= top && ink.top() <= top + cell / 2,
                 qPrintable(QString::number(ink.top())));
        QVERIFY2(ink.bottom() <= top + 1.25 * cell, qPrintable(QString::number(ink.bottom())));
        QVERIFY2(ink.height() >= cell * 0.55, qPrintable(QString::number(ink.height())));
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
