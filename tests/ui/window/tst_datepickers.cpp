#include "ui/WindowFixture.h"
#include "ui/window/DatePickers.h"
#include "util/FakeList.h"
#include "util/RuntimeError.h"

using namespace DatePickers;

class TestDatePickers : public QObject {
    Q_OBJECT
private slots:
    void fillLists() {
        FakeList years({"junk"});
        FillYearCombo(years);
        QCOMPARE(years.entries, Numbers(1901, 2040));
        QVERIFY_THROWS_EXCEPTION(TypeMismatchError, DaysInMonth("February", ""));
    }

    // The month's days, by its first three letters and the year; the day
    // picked stays or becomes the month's last, with one selection event.
    void refill_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected"); // 0: none
        Row("31 Jan to April", 31, "April", "2001", 30, 30);
        Row("29 Feb 2000 to 1999", 29, "February", "1999", 28, 28);
        Row("1904 is leap", 31, "February", "1904", 29, 29);
        Row("28 to leap February", 28, "February", "2000", 29, 28);
        Row("nothing selected: the first day", 0, "May", "2001", 31, 1);
        Row("three letters suffice", 31, "Sepsis", "2001", 30, 30);
        Row("another case is no month", 12, "april", "2001", 0, 0);
    }
    void refill() {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, count);
        QFETCH(int, selected);
        FakeList days(Numbers(1, 31));
        days.index = day - 1;
        RefillDayCombo(days, month, year);
        QCOMPARE(days.entries, Numbers(1, count));
        QCOMPARE(days.Text(), selected ? QString::number(selected) : QString());
        QCOMPARE(days.events, selected ? 1 : 0);
    }
};

QTEST_MAIN(TestDatePickers)
#include "tst_datepickers.moc"
