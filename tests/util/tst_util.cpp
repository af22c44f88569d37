#include "FakeList.h"
#include "util/Calendar.h"
#include "util/Checked.h"
#include "util/modStrUtil.h"

#include <QTest>

// Calendar, text, list and checked-arithmetic helpers.
class TestUtil : public QObject {
    Q_OBJECT
private slots:
    // Month names must stay English whatever the user's language.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia)); }

    void daysAndWeekdays() {
        // Serials from 30 December 1899; weekdays from Sunday (1) to Saturday (7).
        const QDate epoch(1899, 12, 30);
        const std::tuple<QDate, int, int> rows[] = {
            {epoch, 0, 7},
            {QDate(1899, 12, 29), -1, 6},
            {QDate(1900, 3, 1), 61, 5}, // no 29 February in 1900
            {QDate(2000, 1, 2), 36527, 1},
            {QDate(2000, 3, 1), 36586, 4},
            {QDate(2040, 12, 31), 51501, 2}};
        for (const auto& [date, serial, weekday] : rows) {
            QCOMPARE(cal::DiffDays(epoch, date), serial);
            QCOMPARE(cal::DiffHours(date, epoch), -24.0 * serial);
            QCOMPARE(cal::AddDays(epoch, serial), date);
            QCOMPARE(cal::Weekday(date), weekday);
        }
        QCOMPARE(cal::FormatMonthYear(QDate(1901, 9, 5)), "September 1901");
        QCOMPARE(cal::FormatShortDate(QDate(1901, 9, 5)), "Sep 5, 1901");
    }

    void pickerYearsAndTrios() {
        const QDate rows[][2] = {{{1960, 1, 7}, {1960, 1, 7}},
                                 {{1850, 3, 3}, {1901, 3, 3}},
                                 {{2077, 12, 31}, {2040, 12, 31}},
                                 {{1896, 2, 29}, {1901, 2, 28}},
                                 {{2044, 2, 29}, {2040, 2, 29}}};
        for (const auto& [date, clamped] : rows) {
            QCOMPARE(cal::ClampToPickerYears(date), clamped);
            const cal::DateTrio trio = cal::TrioOf(clamped);
            QCOMPARE(cal::ParseDateText(cal::TrioText(trio)), clamped);
            QCOMPARE(cal::ParseDateText(cal::StoredDateText(trio)), clamped);
        }
        const cal::DateTrio trio = cal::TrioOf(QDate(1960, 1, 7));
        QCOMPARE(cal::TrioText(trio), "January 7, 1960");
        QCOMPARE(cal::StoredDateText(trio), "7-Jan-1960");
    }

    // Exactly the picker's and the settings file's forms; an invalid date means refused.
    void parseDateText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        const std::pair<const char*, QDate> rows[] = {{"January 7, 1960", {1960, 1, 7}},
                                                      {"31-Dec-2040", {2040, 12, 31}},
                                                      {"1-JAN-1960", {1960, 1, 1}},
                                                      {"", {}},
                                                      {"February 30, 2000", {}},
                                                      {"29-Feb-1999", {}},
                                                      {"Janvier 7, 1960", {}},
                                                      {"Jan 7, 1960", {}},
                                                      {"1-January-1960", {}},
                                                      {"1960-01-01", {}},
                                                      {"1-Jan-60", {}},
                                                      {" 1-Jan-1960", {}},
                                                      {"January 7 1960", {}}};
        for (const auto& [text, date] : rows)
            QTest::addRow("'%s'", text) << QString(text) << date;
    }
    void parseDateText() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        if (date.isValid())
            QCOMPARE(cal::ParseDateText(text), date);
        else
            QVERIFY_THROWS_EXCEPTION(TypeMismatchError, cal::ParseDateText(text));
    }

    void properCaseAndReplaceAll() {
        using namespace modStrUtil;
        // Only the blank separates words; runs of blanks become one between words.
        QCOMPARE(ProperCase("  jOHN   van   smith ", true), "John Van Smith");
        QCOMPARE(ProperCase("  jOHN   smith ", false), "John   smith");
        QCOMPARE(ProperCase("mary-jane\tvan DYKE", true), "Mary-jane\tvan Dyke");
        QCOMPARE(ProperCase("ánh ĐỨC", true), "Ánh Đức");
        QCOMPARE(ProperCase("   ", true), "");
        QCOMPARE(ReplaceAll("A-a-a", "a", "+"), "A-+-+");
        QCOMPARE(ReplaceAll("aaa", "aa", "b"), "ba");
        QCOMPARE(ReplaceAll("ab", "a", "aa"), "aab"); // the replacement is not searched again
        QCOMPARE(ReplaceAll("abc", "", "x"), "abc");
        QCOMPARE(ReplaceAll(QString("Ani") + QString(5, QChar(0)), QString(QChar(0)), ""), "Ani");
    }

    void selectListItem() {
        const QStringList months{"January", "June", "July"};
        const std::tuple<QStringList, int, QString, bool, bool, int, int> rows[] = {
            // entries, selected, text, enabled, forced; then selected and events raised
            {{"Anna", "Ann"}, -1, "Ann", true, false, 1, 1}, // exact beats an earlier prefix
            {months, -1, "Ju", true, false, 1, 1},           // else the first prefix
            {months, -1, "", true, false, 0, 1},
            {months, 2, "Jul ", true, false, 2, 0}, // no match: left as it was
            {months, 2, "june", true, false, 2, 0},
            {{"x", "B", "B"}, -1, "B", true, false, 1, 1},
            {months, 0, "July", false, false, 0, 0},
            {months, 0, "July", false, true, 2, 1},
            {months, 1, "June", true, false, 1, 1}}; // selected again: the event again
        for (const auto& [entries, before, text, enabled, force, after, events] : rows) {
            FakeList list(entries, enabled);
            list.index = before;
            modListUtil::SelectListItem(list, text, force);
            QCOMPARE(QPair(list.index, list.events), QPair(after, events));
        }
    }

    void selectAllTextSetsTheStartFirst() {
        struct Box final : TextBoxControl {
            int start = -1, length = -1;
            int MaxLength() const override { return 24; }
            void SetSelStart(int s) override { start = s; }
            void SetSelLength(int l) override { length = start == 0 ? l : -2; }
        } box;
        modListUtil::SelectAllText(box);
        QCOMPARE(box.length, 24);
    }

    void checkedArithmetic() {
        using namespace checked;
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Add(INT32_MAX, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Sub(0, INT32_MIN));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Mul(65536, 32768));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Div(INT32_MIN, -1));
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError, (void)Div(9000, 0));
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Narrow(INT64_C(2147483648)));
        QCOMPARE(Div(-9000, 1440), -6); // towards zero
        // Halves to even, and refused outside the range.
        const double halves[] = {0.5, 1.5, 2.5, -1.5, 2.5000000001};
        const int rounded[] = {0, 2, 2, -2, 3};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Round(halves[i]), rounded[i]);
        QCOMPARE(Round(-2147483648.4), INT32_MIN);
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Round(2147483647.5));
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, (void)Round(std::nan("")));
    }
};

QTEST_APPLESS_MAIN(TestUtil)
#include "tst_util.moc"
