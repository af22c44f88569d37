#include "moon/MoonPhase.h"
#include "moon/MoonPictures.h"

#include <QTest>

using namespace moon;

namespace {

// Mean brightness of a rectangle of the picture.
double Brightness(const QImage& image, QRect r = QRect(0, 0, 80, 80)) {
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
    void pictureOfADay() {
        // floor(k x 0.8127749) mod 24, plus 1, for the day k days after 2 January 1900.
        const int pictures[][2] = {{0, 1},   {29, 24}, {30, 1},   {364, 8},
                                   {-1, 24}, {-29, 1}, {-30, 24}, {38020, 14}};
        for (const auto& [k, picture] : pictures)
            QCOMPARE(PictureIndex(k), picture);
        // Four pictures of full moon round 13 and 14, two of the last crescent.
        const int phases[][2] = {{2, 0}, {3, 1}, {12, 4}, {15, 4}, {16, 5}, {23, 7}, {24, 0}};
        for (const auto& [picture, phase] : phases)
            QCOMPARE(PhaseOfPicture(picture), phase);
        QCOMPARE(PhaseName(4), "purnama");
    }

    void sliderPicksTheDay() {
        const std::tuple<QDate, int, bool, QString, int> rows[] = {
            {QDate(1900, 1, 2), 0, false, "Jan 2, 1900", 1},
            {QDate(1901, 1, 1), 30, true, "Jan 1, 1901", 8},
            {QDate(2004, 3, 7), 0, true, "Feb 6, 2004", 14}, // centred: 30 days before
            {QDate(2040, 12, 31), 60, false, "Mar 1, 2041", 2}};
        for (const auto& [base, position, centre, caption, picture] : rows) {
            const MoonView view = ComputeMoonView(base, position, centre);
            QCOMPARE(view.caption, caption);
            QCOMPARE(view.picture, picture);
            QCOMPARE(view.shown.daysTo(base), centre ? 30 - position : -position);
        }
    }

    void picturesShowThePhase() {
        const QRect left(8, 30, 24, 20), right(48, 30, 24, 20);
        const QImage dark = DrawMoonPicture(1, 1), full = DrawMoonPicture(13, 1);
        const QImage first = DrawMoonPicture(7, 1), last = DrawMoonPicture(20, 1);
        QCOMPARE(full.pixel(0, 0), qRgb(0, 0, 0));
        QVERIFY(Brightness(dark, left) < 60 && Brightness(dark, right) < 60);
        QVERIFY(Brightness(full, left) > 150 && Brightness(full, right) > 150);
        QVERIFY(Brightness(first, right) > 150 && Brightness(first, left) < 60);
        QVERIFY(Brightness(last, left) > 150 && Brightness(last, right) < 60);
        QCOMPARE(DrawMoonPicture(14, 1), full);
        // Waxing grows the lit part, waning shrinks it.
        for (int i = 1; i < 24; ++i)
            if (i != 13)
                QCOMPARE(Brightness(DrawMoonPicture(i, 1)) < Brightness(DrawMoonPicture(i + 1, 1)),
                         i < 13);
        MoonPictureList list;
        const QImage& sharp = list.Picture(5, 2);
        QCOMPARE(sharp.size(), QSize(160, 160)); // 80 x 80 at ratio 2
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(&list.Picture(5, 2), &sharp); // drawn once
    }
};

QTEST_APPLESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
