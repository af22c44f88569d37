#include "util/Calendar.h"
#include "util/RuntimeError.h"

#include <QTest>

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void serials_data();
    void serials();
    void differences_data();
    void differences();
    void addDaysAcrossEnds_data();
    void addDaysAcrossEnds();
    void weekday_data();
    void weekday();
    void formats_data();
    void formats();
    void parseAccepts_data();
    void parseAccepts();
    void parseRefuses_data();
    void parseRefuses();
};

void TestCalendar::serials_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("serial");
    QTest::newRow("epoch") << QDate(1899, 12, 30) << 0;
    QTest::newRow("day before epoch") << QDate(1899, 12, 29) << -1;
    QTest::newRow("1900-01-01") << QDate(1900, 1, 1) << 2;
    QTest::newRow("moon epoch") << QDate(1900, 1, 2) << 3;
    QTest::newRow("1960-01-01") << QDate(1960, 1, 1) << 21916;
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << 36526;
    QTest::newRow("2040-12-31") << QDate(2040, 12, 31) << 51501;
}

void TestCalendar::serials() {
    QFETCH(QDate, date);
    QFETCH(int, serial);
    QCOMPARE(cal::DateSerial(date), serial);
    QCOMPARE(cal::DateFromSerial(serial), date);
}

void TestCalendar::differences_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("days");
    QTest::newRow("40 years") << QDate(1960, 1, 1) << QDate(2000, 1, 1) << 14610;
    QTest::newRow("same day") << QDate(2000, 2, 29) << QDate(2000, 2, 29) << 0;
    QTest::newRow("backwards") << QDate(2000, 1, 2) << QDate(2000, 1, 1) << -1;
    QTest::newRow("over 29 Feb") << QDate(2000, 2, 28) << QDate(2000, 3, 1) << 2;
    QTest::newRow("no 29 Feb in 1900") << QDate(1900, 2, 28) << QDate(1900, 3, 1) << 1;
    QTest::newRow("a century back") << QDate(1901, 1, 1) << QDate(2040, 12, 31) << 51134;
}

void TestCalendar::differences() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, days);
    QCOMPARE(cal::DiffDays(from, to), days);
    QCOMPARE(cal::DiffHours(from, to), 24.0 * days);
    QCOMPARE(cal::AddDays(from, days), to);
}

void TestCalendar::addDaysAcrossEnds_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("days");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("month end") << QDate(2000, 1, 31) << 1 << QDate(2000, 2, 1);
    QTest::newRow("leap day") << QDate(2000, 2, 28) << 1 << QDate(2000, 2, 29);
    QTest::newRow("common February") << QDate(1999, 2, 28) << 1 << QDate(1999, 3, 1);
    QTest::newRow("year end") << QDate(1999, 12, 31) << 1 << QDate(2000, 1, 1);
    QTest::newRow("back over year end") << QDate(2000, 1, 15) << -30 << QDate(1999, 12, 16);
    QTest::newRow("59 days from 1 Feb 2001") << QDate(2001, 2, 1) << 59 << QDate(2001, 4, 1);
}

void TestCalendar::addDaysAcrossEnds() {
    QFETCH(QDate, date);
    QFETCH(int, days);
    QFETCH(QDate, expected);
    QCOMPARE(cal::AddDays(date, days), expected);
}

void TestCalendar::weekday_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("weekday");
    QTest::newRow("Sunday") << QDate(2000, 1, 2) << 1;
    QTest::newRow("Monday") << QDate(2000, 1, 3) << 2;
    QTest::newRow("Saturday") << QDate(2000, 1, 1) << 7;
    QTest::newRow("Friday 1 Jan 1960") << QDate(1960, 1, 1) << 6;
    QTest::newRow("Saturday 30 Dec 1899") << QDate(1899, 12, 30) << 7;
}

void TestCalendar::weekday() {
    QFETCH(QDate, date);
    QFETCH(int, weekday);
    QCOMPARE(cal::Weekday(date), weekday);
}

void TestCalendar::formats_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("monthYear");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("day");
    QTest::newRow("January") << QDate(1960, 1, 7) << "January 1960"
                             << "Jan 7, 1960"
                             << "7";
    QTest::newRow("May") << QDate(2004, 5, 31) << "May 2004"
                         << "May 31, 2004"
                         << "31";
    QTest::newRow("September") << QDate(1901, 9, 5) << "September 1901"
                               << "Sep 5, 1901"
                               << "5";
    QTest::newRow("leap day") << QDate(2000, 2, 29) << "February 2000"
                              << "Feb 29, 2000"
                              << "29";
}

void TestCalendar::formats() {
    QFETCH(QDate, date);
    QFETCH(QString, monthYear);
    QFETCH(QString, shortDate);
    QFETCH(QString, day);
    QCOMPARE(cal::FormatMonthYear(date), monthYear);
    QCOMPARE(cal::FormatShortDate(date), shortDate);
    QCOMPARE(cal::FormatDay(date), day);
}

void TestCalendar::parseAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("picker text") << "January 7, 1960" << QDate(1960, 1, 7);
    QTest::newRow("picker leap day") << "February 29, 2000" << QDate(2000, 2, 29);
    QTest::newRow("stored text") << "1-Jan-1960" << QDate(1960, 1, 1);
    QTest::newRow("stored September") << "5-Sep-1901" << QDate(1901, 9, 5);
    QTest::newRow("stored two-digit day") << "31-Dec-2040" << QDate(2040, 12, 31);
    QTest::newRow("month in other case") << "1-JAN-1960" << QDate(1960, 1, 1);
}

void TestCalendar::parseAccepts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(cal::ParseDateText(text), date);
}

void TestCalendar::parseRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no such day") << "February 30, 2000";
    QTest::newRow("no leap day") << "29-Feb-1999";
    QTest::newRow("unknown month") << "Janvier 7, 1960";
    QTest::newRow("abbreviation in long form") << "Jan 7, 1960";
    QTest::newRow("full name in stored form") << "1-January-1960";
    QTest::newRow("ISO") << "1960-01-01";
    QTest::newRow("numeric") << "1/2/1900";
    QTest::newRow("two-digit year") << "1-Jan-60";
    QTest::newRow("leading blank") << " 1-Jan-1960";
    QTest::newRow("trailing text") << "1-Jan-1960x";
    QTest::newRow("day zero") << "0-Jan-1960";
    QTest::newRow("missing comma") << "January 7 1960";
}

void TestCalendar::parseRefuses() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(TypeMismatchError, cal::ParseDateText(text));
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
