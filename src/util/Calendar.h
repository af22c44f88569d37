#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>

// Calendar services on whole dates (midnight), built on QDate. Month names
// are English whatever the system language, since the pickers, the settings
// file and the chart titles all use the English names.
namespace cal {

// The years the date pickers offer.
inline constexpr std::int32_t FirstYear = 1901;
inline constexpr std::int32_t LastYear = 2040;

// The date in FirstYear..LastYear: the nearest year of the range, with the
// day stepped down where that month is shorter.
QDate ClampToPickerYears(QDate date);

QDate AddDays(QDate date, std::int32_t days);
// Whole days from `from` to `to` (negative when `to` is earlier).
std::int32_t DiffDays(QDate from, QDate to);
// Hours from midnight of `from` to midnight of `to`: always 24 times the days.
double DiffHours(QDate from, QDate to);
// Day of week counted from Sunday (1) to Saturday (7).
int Weekday(QDate date);

// Full English month name of month 1..12 ("January").
QString MonthName(int month);

// The dates shown (not stored) in `locale`'s month names, or as designed, in
// English; the language chosen sets it.
void ShowDatesIn(const QLocale& locale);
void ShowDatesAsDesigned();
const QLocale& ShownLocale();

// "mmmm yyyy": "January 2000".
QString FormatMonthYear(QDate date);
// "mmm d, yyyy": "Jan 7, 1960" (its order as the language has it).
QString FormatShortDate(QDate date);
// "d": day of month without leading zero.
QString FormatDay(QDate date);

// Reads exactly the two date texts the program uses, "January 7, 1960" and
// "1-Jan-1960" (month names in any letter case). Anything else, and any day
// that does not exist, throws TypeMismatchError rather than guessing.
QDate ParseDateText(const QString& text);

// A date as the pickers and the friend entries hold it.
struct DateTrio {
    QString day;   // "7"
    QString month; // "January"
    QString year;  // "1960"
    friend bool operator==(const DateTrio&, const DateTrio&) = default;
};

DateTrio TrioOf(QDate date);
// "January 7, 1960": the form a trio is read as a date in.
QString TrioText(const DateTrio& trio);
// "7-Jan-1960": day, first three letters of the month, year; the settings
// file's form.
QString StoredDateText(const DateTrio& trio);

} // namespace cal
