#include "moon/MoonPhase.h"
#include "moon/MoonPictures.h"

#include <QTest>

using namespace moon;

namespace {

// Mean brightness of a rectangle of the picture.
double Brightness(const QImage& image, QRect r) {
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (r.width() * r.height());
}

} // namespace

class TestMoonPhase : public QObject {
    Q_OBJECT
private slots:
    void views_data() {
        QTest::addColumn<QDate>("base");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("picture");
        QTest::newRow("epoch: new moon") << QDate(1900, 1, 2) << 0 << false << "Jan 2, 1900" << 1;
        QTest::newRow("1 Jan 1901: k 364") << QDate(1901, 1, 1) << 0 << false << "Jan 1, 1901" << 8;
        QTest::newRow("slider moves the day")
            << QDate(1900, 12, 2) << 30 << false << "Jan 1, 1901" << 8;
        QTest::newRow("centred at 30: the display date")
            << QDate(1901, 1, 1) << 30 << true << "Jan 1, 1901" << 8;
        QTest::newRow("centred at 0: 30 days before")
            << QDate(2004, 3, 7) << 0 << true << "Feb 6, 2004"
            << PictureIndex(Epoch().daysTo(QDate(2004, 2, 6)));
        QTest::newRow("centred at 60: 30 days after")
            << QDate(2004, 3, 7) << 60 << true << "Apr 6, 2004"
            << PictureIndex(Epoch().daysTo(QDate(2004, 4, 6)));
        QTest::newRow("last year offered") << QDate(2040, 12, 31) << 60 << false << "Mar 1, 2041"
                                           << PictureIndex(Epoch().daysTo(QDate(2041, 3, 1)));
    }
    void views() {
        QFETCH(QDate, base);
        QFETCH(int, position);
        QFETCH(bool, centre);
        QFETCH(QString, caption);
        QFETCH(int, picture);
        const MoonView view = ComputeMoonView(base, position, centre);
        QCOMPARE(view.caption, caption);
        QCOMPARE(view.picture, picture);
        QCOMPARE(view.shown.daysTo(base), qint64(centre ? 30 - position : -position));
    }

    void picturesAdvanceByOneAndWrap() {
        int wraps = 0; // days before the epoch go on the same way
        for (int k = -30000; k < 30000; ++k) {
            const int a = PictureIndex(k), b = PictureIndex(k + 1);
            QVERIFY(a >= 1 && a <= PictureCount);
            if (a == PictureCount && b == 1)
                ++wraps;
            else
                QVERIFY2(b == a || b == a + 1, qPrintable(QString::number(k)));
        }
        QCOMPARE(wraps, 2031); // multiples of 24 crossed by floor(k x 0.8127749)
        QCOMPARE(PictureIndex(-1), 24);
    }

    void picturesShowThePhase() {
        const QRect left(8, 30, 24, 20), right(48, 30, 24, 20);
        const QImage newMoon = DrawMoonPicture(1, 1);
        const QImage full = DrawMoonPicture(13, 1);
        QCOMPARE(newMoon.size(), QSize(80, 80));
        QCOMPARE(full.pixel(0, 0), qRgb(0, 0, 0));
        QVERIFY(Brightness(newMoon, left) < 60 && Brightness(newMoon, right) < 60);
        QVERIFY(Brightness(full, left) > 150 && Brightness(full, right) > 150);
        QCOMPARE(DrawMoonPicture(14, 1), full);
        const QImage firstQuarter = DrawMoonPicture(7, 1), lastQuarter = DrawMoonPicture(20, 1);
        QVERIFY(Brightness(firstQuarter, right) > 150 && Brightness(firstQuarter, left) < 60);
        QVERIFY(Brightness(lastQuarter, left) > 150 && Brightness(lastQuarter, right) < 60);
        // Waxing grows the lit part, waning shrinks it.
        for (int i = 1; i < 13; ++i)
            QVERIFY(Brightness(DrawMoonPicture(i, 1), QRect(0, 0, 80, 80)) <
                    Brightness(DrawMoonPicture(i + 1, 1), QRect(0, 0, 80, 80)));
        for (int i = 14; i < 24; ++i)
            QVERIFY(Brightness(DrawMoonPicture(i, 1), QRect(0, 0, 80, 80)) >
                    Brightness(DrawMoonPicture(i + 1, 1), QRect(0, 0, 80, 80)));
    }

    void picturesAreSharpOnDenseScreens() {
        MoonPictureList list;
        const QImage& p = list.Picture(5, 2);
        QCOMPARE(p.size(), QSize(160, 160));
        QCOMPARE(p.devicePixelRatio(), 2.0);
        QCOMPARE(&list.Picture(5, 2), &p); // drawn once
    }
};

QTEST_APPLESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
