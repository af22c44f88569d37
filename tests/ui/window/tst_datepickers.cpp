#include "ui/WindowFixture.h"
#include "ui/window/DatePickers.h"
#include "util/FakeList.h"
#include "util/RuntimeError.h"

using namespace DatePickers;

class TestDatePickers : public QObject {
    Q_OBJECT
private slots:
    void daysInMonth_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("days");
        Row("January", "January", "1999", 31);
        Row("April", "April", "1999", 30);
        Row("Feb 1904", "February", "1904", 29);
        Row("Feb 2000", "February", "2000", 29);
        Row("Feb 1901", "February", "1901", 28);
        Row("three letters suffice", "Sepsis", "", 30);
        Row("other case", "april", "1999", 0);
        Row("short", "Ma", "1999", 0);
    }
    void daysInMonth() {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, days);
        QCOMPARE(DaysInMonth(month, year), days);
    }

    void fillLists() {
        QVERIFY_THROWS_EXCEPTION(TypeMismatchError, DaysInMonth("February", ""));
        FakeList years({"junk"});
        years.index = 0;
        FillYearCombo(years);
        QCOMPARE(years.entries, Numbers(1901, 2040));
        QCOMPARE(years.index, -1);
        FakeList days;
        FillDayCombo(days, "February", "2000");
        QCOMPARE(days.entries, Numbers(1, 29));
        QCOMPARE(days.index, -1);
        QCOMPARE(days.events, 0);
    }

    // The day picked stays, or becomes the month's last; one selection event.
    void refill_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("selected");
        Row("31 Jan to April", "31", "April", "2001", 30, "30");
        Row("29 Feb 2000 to 1999", "29", "February", "1999", 28, "28");
        Row("28 to leap February", "28", "February", "2000", 29, "28");
        Row("nothing selected: the first day", "", "May", "2001", 31, "1");
        Row("unknown month: empty list", "12", "Mei", "2001", 0, "");
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
        QCOMPARE(days.events, selected.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestDatePickers)
#include "tst_datepickers.moc"
