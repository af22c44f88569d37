#include "chart/ChartReadout.h"
#include "chart/ChartValues.h"
#include "moon/MoonPhase.h"

#include <QTest>

using namespace chart;

class TestChartReadout : public QObject {
    Q_OBJECT
private slots:
    // Expected texts worked out apart from the program (sines in degrees of
    // the hours since birth, the moon's linear count).
    void readsADay_data() {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("display");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("text");
        QTest::newRow("briefly")
            << QDate(2000, 1, 1) << QDate(2000, 1, 1) << false << 11 << "17"
            << "Rabu 12-01-2000 · hari ke-11 · Fisik +13,6% kritis · Mastery +50,1% ↓ · "
               "Bulan: kuartal awal";
        QTest::newRow("the example's day")
            << QDate(1959, 12, 29) << QDate(2005, 3, 14) << false << 0 << "123"
            << "Senin 14-03-2005 · hari ke-16.512 · Fisik -52,0% ↑ · Emosi -97,5% ↓ · "
               "Intelektual +75,6% ↓ · Bulan: sabit awal";
        QTest::newRow("centred, every cycle")
            << QDate(1960, 1, 1) << QDate(2000, 1, 1) << true << 30 << "1234567"
            << "Sabtu 01-01-2000 · hari ke-14.610 · Fisik +97,9% ↑ · Emosi -97,5% ↑ · "
               "Intelektual -99,0% ↓ · Intuisi +16,5% ↓ · Passion +0,2% ↑ · Wisdom -98,2% ↑ · "
               "Mastery -0,5% ↑ · Bulan: kuartal akhir";
        QTest::newRow("ten days old, centred: the chart starts at birth")
            << QDate(2004, 2, 26) << QDate(2004, 3, 7) << true << 59 << "14"
            << "Minggu 25-04-2004 · hari ke-59 · Fisik -39,8% ↓ · Intuisi -32,5% ↓ · "
               "Bulan: kuartal awal";
        QTest::newRow("a combined cycle is never critical")
            << QDate(1971, 5, 9) << QDate(2004, 3, 7) << false << 17 << "26"
            << "Rabu 24-03-2004 · hari ke-12.008 · Emosi -78,2% ↑ · Wisdom -73,6% ↑ · "
               "Bulan: sabit awal";
        QTest::newRow("a combined cycle at zero is not critical")
            << QDate(2000, 1, 1) << QDate(2000, 1, 1) << false << 0 << "5"
            << "Sabtu 01-01-2000 · hari ke-0 · Passion 0,0% ↑ · Bulan: kuartal akhir";
        QTest::newRow("born that day: zero is critical")
            << QDate(2000, 1, 1) << QDate(2000, 1, 1) << false << 0 << "1"
            << "Sabtu 01-01-2000 · hari ke-0 · Fisik 0,0% kritis · Bulan: kuartal akhir";
        QTest::newRow("crossing during the day")
            << QDate(2000, 1, 1) << QDate(2000, 1, 1) << false << 11 << "1"
            << "Rabu 12-01-2000 · hari ke-11 · Fisik +13,6% kritis · Bulan: kuartal awal";
    }
    void readsADay() {
        QFETCH(QDate, birth);
        QFETCH(QDate, display);
        QFETCH(bool, centre);
        QFETCH(int, day);
        QFETCH(QString, kinds);
        QFETCH(QString, text);
        ChartOptions o;
        o.birth = birth;
        o.display = display;
        o.centre = centre;
        for (const QChar k : kinds)
            o.kinds[k.digitValue()] = true;
        const auto read = ReadDay(o, day);
        QVERIFY(read);
        QCOMPARE(ReadoutText(*read), text);
        // The window's two lines and the tooltip say the same, whole.
        const ReadoutLines lines = ReadoutLinesOf(*read);
        QStringList parts = text.split(" · ");
        parts.move(parts.size() - 1, 2); // the moon joins the day's line
        QCOMPARE(lines.day + " · " + lines.cycles, parts.join(" · "));
        QStringList tip = text.split(" · "); // the day and its number on one line
        tip[0] += " · " + tip.takeAt(1);
        QCOMPARE(ReadoutTip(*read).split('\n'), tip);
        if (QTest::currentDataTag() == QLatin1String("briefly"))
            QCOMPARE(lines.cyclesBrief, "F +13,6 kritis · M +50,1↓");
        // The same values as the CSV's.
        const std::vector<DayValues> days = ChartDays(o);
        const DayValues& csv = days[day];
        QCOMPARE(csv.date, read->date);
        for (std::size_t i = 0; i < csv.values.size(); ++i)
            QCOMPARE(csv.values[i].percent, read->items[i].percent);
    }

    void nothingOutsideTheChart() {
        ChartOptions o;
        o.birth = QDate(2000, 1, 2);
        o.display = QDate(2000, 1, 1);
        QVERIFY(!ReadDay(o, 0)); // not born yet
        o.birth = QDate(1990, 1, 1);
        QVERIFY(!ReadDay(o, -1));
        QVERIFY(!ReadDay(o, 60));
        QVERIFY(ReadDay(o, 59));
    }

    void phases() {
        // New at picture 1, half lit at 7 and 20, full at 13 and 14.
        const int expected[] = {0, 2, 4, 4, 6};
        const int pictures[] = {1, 7, 13, 14, 20};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(moon::PhaseOfPicture(pictures[i]), expected[i]);
        QCOMPARE(moon::PhaseName(4), "purnama");
        QCOMPARE(moon::PhaseOfPicture(24), 0);
    }
};

QTEST_APPLESS_MAIN(TestChartReadout)
#include "tst_chartreadout.moc"
