#include "moon/MoonPhase.h"
#include "moon/MoonPictures.h"

#include <QTest>

using namespace moon;

class TestMoonPhase : public QObject {
    Q_OBJECT
private slots:
    void pictureOfADay() {
        // floor(k x 0.8127749) mod 24, plus 1, for the day k days after 2 January 1900.
        const int pictures[][2] = {{0, 1}, {29, 24}, {30, 1}, {-1, 24}};
        for (const auto& [k, picture] : pictures)
            QCOMPARE(PictureIndex(k), picture);
        // Four pictures of full moon round 13 and 14, two of the last crescent.
        const int phases[][2] = {{2, 0}, {3, 1}, {12, 4}, {15, 4}, {16, 5}, {23, 7}, {24, 0}};
        for (const auto& [picture, phase] : phases)
            QCOMPARE(PhaseOfPicture(picture), phase);
        // The slider's day 30 of a chart from 7 January 2004.
        const MoonView view = ComputeMoonView(QDate(2004, 1, 7), 30);
        QCOMPARE(view.caption, "Feb 6, 2004");
        QCOMPARE(view.picture, 14);
    }

    void picturesShowThePhase() {
        // Mean grey of a part of a picture: smooth scaling to one pixel averages it.
        const auto grey = [](int picture, QRect part = QRect(0, 0, 80, 80), int ratio = 1) {
            const QImage image = DrawMoonPicture(picture, ratio)
                                     .copy(QRect(part.topLeft() * ratio, part.size() * ratio));
            return qGray(
                image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
        };
        const QRect left(8, 30, 24, 20), right(48, 30, 24, 20);
        QVERIFY(grey(7, right) > 150 && grey(7, left) < 60); // waxing: lit on the right
        QVERIFY(grey(20, left) > 150 && grey(20, right) < 60);
        // Waxing grows the lit part up to full at 13 and 14, waning shrinks it.
        for (int i = 1; i < 24; ++i)
            if (i != 13) QCOMPARE(grey(i) < grey(i + 1), i < 13);
        MoonPictureList list;
        QCOMPARE(list.Picture(5, 2).size(), QSize(160, 160)); // sharp at ratio 2
        QCOMPARE(list.Picture(5, 2).devicePixelRatio(), 2.0);
        for (int i : {7, 14}) // the same picture, finer
            QVERIFY(qAbs(grey(i, QRect(0, 0, 80, 80), 2) - grey(i)) <= 3);
    }
};

QTEST_APPLESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
