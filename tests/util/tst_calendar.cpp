#include "util/Calendar.h"
#include "util/RuntimeError.h"

#include <QTest>

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void serialsAndWeekdays_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("serial");
        QTest::addColumn<int>("weekday");
        QTest::newRow("epoch, a Saturday") << QDate(1899, 12, 30) << 0 << 7;
        QTest::newRow("day before epoch") << QDate(1899, 12, 29) << -1 << 6;
        QTest::newRow("moon epoch") << QDate(1900, 1, 2) << 3 << 3;
        QTest::newRow("1960-01-01, a Friday") << QDate(1960, 1, 1) << 21916 << 6;
        QTest::newRow("2000-01-01, a Saturday") << QDate(2000, 1, 1) << 36526 << 7;
        QTest::newRow("2000-01-02, a Sunday") << QDate(2000, 1, 2) << 36527 << 1;
        QTest::newRow("2040-12-31") << QDate(2040, 12, 31) << 51501 << 2;
    }
    void serialsAndWeekdays() {
        QFETCH(QDate, date);
        QFETCH(int, serial);
        QFETCH(int, weekday);
        // Day counts from 30 December 1899, the classic serial.
        QCOMPARE(cal::DiffDays(QDate(1899, 12, 30), date), serial);
        QCOMPARE(cal::AddDays(QDate(1899, 12, 30), serial), date);
        QCOMPARE(cal::Weekday(date), weekday);
    }

    void differences_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("days");
        QTest::newRow("40 years") << QDate(1960, 1, 1) << QDate(2000, 1, 1) << 14610;
        QTest::newRow("backwards") << QDate(2000, 1, 2) << QDate(2000, 1, 1) << -1;
        QTest::newRow("over 29 Feb") << QDate(2000, 2, 28) << QDate(2000, 3, 1) << 2;
        QTest::newRow("no 29 Feb in 1900") << QDate(1900, 2, 28) << QDate(1900, 3, 1) << 1;
        QTest::newRow("year end") << QDate(1999, 12, 31) << QDate(2000, 1, 1) << 1;
        QTest::newRow("a century back") << QDate(1901, 1, 1) << QDate(2040, 12, 31) << 51134;
    }
    void differences() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, days);
        QCOMPARE(cal::DiffDays(from, to), days);
        QCOMPARE(cal::DiffHours(from, to), 24.0 * days);
        QCOMPARE(cal::AddDays(from, days), to);
    }

    void formatsAreEnglish_data() {
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
    }
    void formatsAreEnglish() {
        QFETCH(QDate, date);
        QFETCH(QString, monthYear);
        QFETCH(QString, shortDate);
        QFETCH(QString, day);
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QCOMPARE(cal::FormatMonthYear(date), monthYear);
        QCOMPARE(cal::FormatShortDate(date), shortDate);
        QCOMPARE(cal::FormatDay(date), day);
        QCOMPARE(cal::ParseDateText(
                     QStringLiteral("%1 %2, %3")
                         .arg(cal::MonthName(date.month()), day, QString::number(date.year()))),
                 date);
    }

    void pickerYears_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("clamped");
        QTest::newRow("inside") << QDate(1960, 1, 7) << QDate(1960, 1, 7);
        QTest::newRow("first day") << QDate(1901, 1, 1) << QDate(1901, 1, 1);
        QTest::newRow("before") << QDate(1850, 3, 3) << QDate(1901, 3, 3);
        QTest::newRow("after") << QDate(2077, 12, 31) << QDate(2040, 12, 31);
        QTest::newRow("leap day to a common year") << QDate(1896, 2, 29) << QDate(1901, 2, 28);
        QTest::newRow("leap day to a leap year") << QDate(2044, 2, 29) << QDate(2040, 2, 29);
    }
    void pickerYears() {
        QFETCH(QDate, date);
        QFETCH(QDate, clamped);
        QCOMPARE(cal::ClampToPickerYears(date), clamped);
        // A trio reads back as the date it came from, in both its forms.
        const cal::DateTrio trio = cal::TrioOf(clamped);
        QCOMPARE(cal::ParseDateText(cal::TrioText(trio)), clamped);
        QCOMPARE(cal::ParseDateText(cal::StoredDateText(trio)), clamped);
    }

    void parseAccepts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("picker text") << "January 7, 1960" << QDate(1960, 1, 7);
        QTest::newRow("picker leap day") << "February 29, 2000" << QDate(2000, 2, 29);
        QTest::newRow("stored text") << "1-Jan-1960" << QDate(1960, 1, 1);
        QTest::newRow("stored two-digit day") << "31-Dec-2040" << QDate(2040, 12, 31);
        QTest::newRow("month in other case") << "1-JAN-1960" << QDate(1960, 1, 1);
    }
    void parseAccepts() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(cal::ParseDateText(text), date);
    }

    void parseRefuses_data() {
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
        QTest::newRow("day zero") << "0-Jan-1960";
        QTest::newRow("missing comma") << "January 7 1960";
    }
    void parseRefuses() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(TypeMismatchError, cal::ParseDateText(text));
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
