#include "../util/FakeList.h"
#include "ui/window/DatePickers.h"
#include "util/RuntimeError.h"

#include <QTest>

using namespace DatePickers;

class TestDatePickers : public QObject {
    Q_OBJECT
private slots:
    void daysInMonth_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("January") << "January"
                                 << "1999" << 31;
        QTest::newRow("April") << "April"
                               << "1999" << 30;
        QTest::newRow("December") << "December"
                                  << "2040" << 31;
        QTest::newRow("Feb 1904") << "February"
                                  << "1904" << 29;
        QTest::newRow("Feb 2000") << "February"
                                  << "2000" << 29;
        QTest::newRow("Feb 2040") << "February"
                                  << "2040" << 29;
        QTest::newRow("Feb 1901") << "February"
                                  << "1901" << 28;
        QTest::newRow("Feb 1999") << "February"
                                  << "1999" << 28;
        QTest::newRow("three letters suffice") << "Sepsis"
                                               << "" << 30;
        QTest::newRow("other case") << "april"
                                    << "1999" << 0;
        QTest::newRow("empty") << ""
                               << "1999" << 0;
        QTest::newRow("short") << "Ma"
                               << "1999" << 0;
    }
    void daysInMonth() {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, days);
        QCOMPARE(DaysInMonth(month, year), days);
    }

    void februaryNeedsAYear() {
        QVERIFY_THROWS_EXCEPTION(TypeMismatchError, DaysInMonth("February", ""));
    }

    void fillLists() {
        FakeList years({"junk"});
        years.index = 0;
        FillYearCombo(years);
        QCOMPARE(years.entries.size(), 140);
        QCOMPARE(years.entries.first(), "1901");
        QCOMPARE(years.entries.last(), "2040");
        QCOMPARE(years.index, -1);

        FakeList days;
        FillDayCombo(days, "February", "2000");
        QCOMPARE(days.entries, Numbers(1, 29));
        QCOMPARE(days.index, -1);
        QCOMPARE(days.events, 0);
    }

    void refill_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("selected");
        QTest::newRow("31 Jan to April") << "31"
                                         << "April"
                                         << "2001" << 30 << "30";
        QTest::newRow("31 to common February") << "31"
                                               << "February"
                                               << "1999" << 28 << "28";
        QTest::newRow("29 Feb 2000 to 1999") << "29"
                                             << "February"
                                             << "1999" << 28 << "28";
        QTest::newRow("28 to leap February") << "28"
                                             << "February"
                                             << "2000" << 29 << "28";
        QTest::newRow("day kept") << "15"
                                  << "June"
                                  << "2001" << 30 << "15";
        QTest::newRow("nothing selected: the first day") << ""
                                                         << "May"
                                                         << "2001" << 31 << "1";
        QTest::newRow("unknown month: empty list") << "12"
                                                   << "Mei"
                                                   << "2001" << 0 << "";
    }
    void refill() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, count);
        QFETCH(QString, selected);
        FakeList days(Numbers(1, 31));
        days.index = day.isEmpty() ? -1 : day.toInt() - 1;
        RefillDayCombo(days, month, year);
        QCOMPARE(days.entries.size(), count);
        QCOMPARE(days.Text(), selected);
        // One selection event for the one day that ends up selected.
        QCOMPARE(days.events, selected.isEmpty() ? 0 : 1);
    }
};

QTEST_APPLESS_MAIN(TestDatePickers)
#include "tst_datepickers.moc"
