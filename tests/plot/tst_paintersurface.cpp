#include "plot/FontFaces.h"
#include "plot/PainterSurface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

namespace {

constexpr Color Back = RGB(10, 20, 30);
constexpr Color Red = RGB(255, 0, 0);

// Paints on a 100 x 100 logical-pixel surface (1500 x 1500 twips).
QImage Paint(double dpr, const std::function<void(Surface&)>& draw) {
    const int side = static_cast<int>(100 * dpr);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, PainterSurface::TwipRaster(QRectF(0, 0, 1500, 1500), dpr),
                           Back);
    draw(surface);
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

class TestPainterSurface : public QObject {
    Q_OBJECT
private slots:
    void clsFillsWithBackground();
    void linesAreOnePixel_data();
    void linesAreOnePixel();
    void lineFromCurrentPosition();
    void filledBoxCoversBothCorners();
    void outlineLeavesInside();
    void narrowFaceFitsTwoDigitsInADay();
    void textStandsBelowItsTopLeft_data();
    void textStandsBelowItsTopLeft();
};

void TestPainterSurface::clsFillsWithBackground() {
    const QImage image = Paint(1, [](Surface& s) {
        s.SetCurrentX(700);
        s.Cls();
        QCOMPARE(s.CurrentX(), 0.0);
    });
    QCOMPARE(At(image, 0, 0), Back);
    QCOMPARE(At(image, 99, 99), Back);
}

void TestPainterSurface::linesAreOnePixel_data() {
    QTest::addColumn<double>("dpr");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
    QTest::newRow("ratio 1.5") << 1.5;
}

void TestPainterSurface::linesAreOnePixel() {
    QFETCH(double, dpr);
    const QImage image = Paint(dpr, [](Surface& s) {
        s.Cls();
        s.Line(Surface::HasColor | Surface::HasStart, 150, 300, 1350, 300, Red);
    });
    const int row = qRound(300 / 15.0 * dpr);
    const int mid = image.width() / 2;
    QCOMPARE(At(image, mid, row), Red);
    QCOMPARE(At(image, mid, row - 1), Back);
    QCOMPARE(At(image, mid, row + 1), Back);
    // Crisp: no blended pixels anywhere.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Color c = At(image, x, y);
            QVERIFY2(c == Back || c == Red, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
}

void TestPainterSurface::lineFromCurrentPosition() {
    const QImage image = Paint(1, [](Surface& s) {
        s.Cls();
        s.SetCurrentX(300);
        s.SetCurrentY(150);
        s.Line(Surface::HasColor, 0, 0, 300, 1350, Red); // start is ignored without flag 4
        QCOMPARE(s.CurrentY(), 1350.0);
    });
    QCOMPARE(At(image, 20, 50), Red);
    QCOMPARE(At(image, 0, 0), Back);
    QCOMPARE(Ink(image), QRect(20, 10, 1, 81));
}

void TestPainterSurface::filledBoxCoversBothCorners() {
    const QImage image = Paint(1, [](Surface& s) {
        s.Cls();
        s.Line(Surface::HasColor | Surface::HasStart | Surface::BoxFilled, 1200, 900, 300, 150,
               Red);
    });
    QCOMPARE(Ink(image), QRect(QPoint(20, 10), QPoint(80, 60)));
    QCOMPARE(At(image, 50, 30), Red);
}

void TestPainterSurface::outlineLeavesInside() {
    const QImage image = Paint(1, [](Surface& s) {
        s.Cls();
        s.Line(Surface::HasColor | Surface::HasStart | Surface::Box, 300, 150, 1200, 900, Red);
    });
    QCOMPARE(Ink(image), QRect(QPoint(20, 10), QPoint(80, 60)));
    QCOMPARE(At(image, 20, 30), Red);
    QCOMPARE(At(image, 80, 30), Red);
    QCOMPARE(At(image, 50, 10), Red);
    QCOMPARE(At(image, 50, 60), Red);
    QCOMPARE(At(image, 50, 30), Back);
    QCOMPARE(At(image, 21, 11), Back);
}

void TestPainterSurface::narrowFaceFitsTwoDigitsInADay() {
    QFont font(ResolveFontFace(QStringLiteral("small fonts")));
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans Narrow"));

    // Day numbers are 144 twips apart, and "28" is drawn at 7 points.
    const QImage image = Paint(1, [](Surface& s) {
        s.Cls();
        s.SetFontName(QStringLiteral("small fonts"));
        s.SetFontSize(7);
        s.SetForeColor(RGB(255, 255, 255));
        s.SetCurrentX(300);
        s.SetCurrentY(300);
        s.Print(QStringLiteral("28"));
    });
    const QRect ink = Ink(image);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.width() * 15 < 144 - 15, qPrintable(QString::number(ink.width())));
}

void TestPainterSurface::textStandsBelowItsTopLeft_data() {
    QTest::addColumn<double>("dpr");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void TestPainterSurface::textStandsBelowItsTopLeft() {
    QFETCH(double, dpr);
    const QImage image = Paint(dpr, [](Surface& s) {
        s.Cls();
        s.SetFontName(QStringLiteral("small fonts"));
        s.SetFontSize(7);
        s.SetForeColor(Red);
        s.SetCurrentX(450);
        s.SetCurrentY(600);
        s.Print(QStringLiteral("January 2000"));
        QCOMPARE(s.CurrentX(), 450.0);
    });
    const QRect ink = Ink(image);
    // 7 points are 140 twips, 9.33 logical pixels: the glyphs lie in the
    // line's cell, a little taller than the em for the descenders.
    const double left = 30 * dpr, top = 40 * dpr, cell = 140 / 15.0 * dpr;
    QVERIFY2(ink.left() >= left && ink.left() <= left + 2 * dpr,
             qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= top && ink.top() <= top + cell / 2,
             qPrintable(QString::number(ink.top())));
    QVERIFY2(ink.bottom() <= top + 1.25 * cell, qPrintable(QString::number(ink.bottom())));
    QVERIFY2(ink.height() >= cell * 0.55, qPrintable(QString::number(ink.height())));
}

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
