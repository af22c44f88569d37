#include "FakeList.h"
#include "util/Calendar.h"
#include "util/Checked.h"
#include "util/modStrUtil.h"

#include <QTest>

class TestUtil : public QObject {
    Q_OBJECT
private slots:
    // Month names must stay English whatever the user's language.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia)); }

    void calendar() {
        // Serials from 30 December 1899; weekdays from Sunday (1) to Saturday (7).
        const QDate epoch(1899, 12, 30), sunday(2000, 1, 2), last(2040, 12, 31);
        QCOMPARE(cal::DiffDays(epoch, sunday), 36527);
        QCOMPARE(QList<int>({cal::Weekday(epoch), cal::Weekday(sunday)}), QList<int>({7, 1}));
        QCOMPARE(cal::StoredDateText(cal::TrioOf(last)), "31-Dec-2040");
        // The pickers' years, the day stepped down where the month is shorter.
        QCOMPARE(cal::ClampToPickerYears(QDate(1896, 2, 29)), QDate(1901, 2, 28));
        QCOMPARE(cal::ClampToPickerYears(QDate(2077, 12, 31)), last);
        // Exactly the picker's and the settings file's forms, month names in any case.
        QCOMPARE(cal::ParseDateText("January 7, 1960"), QDate(1960, 1, 7));
        QCOMPARE(cal::ParseDateText("31-DEC-2040"), last);
        for (const char* text :
             {"February 30, 2000", "Jan 7, 1960", "1-January-1960", "1-Jan-60", "1960-01-01"})
            QVERIFY_THROWS_EXCEPTION(TypeMismatchError, cal::ParseDateText(text));
    }

    // Only the blank separates words; runs of blanks become one between words.
    void properCase() {
        QCOMPARE(modStrUtil::ProperCase("  jOHN   van   smith ", true), "John Van Smith");
        QCOMPARE(modStrUtil::ProperCase("ánh-jane\tvAN ĐỨC", true), "Ánh-jane\tvan Đức");
    }

    void selectListItem() {
        const QStringList months{"January", "June", "July"};
        const std::tuple<QStringList, int, QString, bool, bool, int, int> rows[] = {
            // entries, selected, text, enabled, forced; then selected and events raised
            {{"Anna", "Ann", "Ann"}, -1, "Ann", true, false, 1, 1}, // the first exact, not a prefix
            {months, -1, "Ju", true, false, 1, 1},                  // else the first prefix
            {months, 2, "june", true, false, 2, 0},                 // no match: left as it was
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

    void checkedArithmetic() {
        QVERIFY_THROWS_EXCEPTION(OverflowError, (void)checked::Add(INT32_MAX, 1));
        QVERIFY_THROWS_EXCEPTION(DivisionByZeroError, (void)checked::Div(9000, 0));
        const QList<int> halves{checked::Round(0.5), checked::Round(1.5), checked::Round(-2.5)};
        QCOMPARE(halves, QList<int>({0, 2, -2})); // to even
    }
};

QTEST_APPLESS_MAIN(TestUtil)
#include "tst_util.moc"
