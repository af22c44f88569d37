#include "util/Calendar.h"

#include "util/Checked.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace cal {

namespace {

const QLocale& English() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QLocale& Shown() {
    static QLocale locale = English();
    return locale;
}

// Month 1..12 from a full name or a three-letter abbreviation, ignoring case;
// 0 when it names no month.
int MonthFromName(const QString& name, QLocale::FormatType form) {
    for (int m = 1; m <= 12; ++m) {
        if (name.compare(English().monthName(m, form), Qt::CaseInsensitive) == 0) return m;
    }
    return 0;
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// `s` has `min` to `max` characters, each passing `test`. Two fixed date
// forms do not need a regular-expression engine at start-up.
bool IsAscii(QStringView s, bool (*test)(QChar), qsizetype min, qsizetype max) {
    return s.size() >= min && s.size() <= max && std::all_of(s.begin(), s.end(), test);
}

[[noreturn]] void Refuse(const QString& text) {
    throw TypeMismatchError(
        QStringLiteral("Type mismatch: \"%1\" is not a date").arg(text).toStdString());
}

} // namespace

QDate ClampToPickerYears(QDate date) {
    const int year = std::clamp<int>(date.year(), FirstYear, LastYear);
    if (year == date.year()) return date;
    const int days = QDate(year, date.month(), 1).daysInMonth();
    return QDate(year, date.month(), std::min(date.day(), days));
}

QDate AddDays(QDate date, std::int32_t days) {
    return date.addDays(days);
}

std::int32_t DiffDays(QDate from, QDate to) {
    return checked::Narrow(from.daysTo(to));
}

double DiffHours(QDate from, QDate to) {
    return 24.0 * static_cast<double>(from.daysTo(to));
}

int Weekday(QDate date) {
    return date.dayOfWeek() % 7 + 1;
}

QString MonthName(int month) {
    return English().monthName(month, QLocale::LongFormat);
}

void ShowDatesIn(const QLocale& locale) {
    Shown() = locale;
}

const QLocale& ShownLocale() {
    return Shown();
}

void ShowDatesAsDesigned() {
    Shown() = English();
}

QString FormatMonthYear(QDate date) {
    return Shown().toString(date, QStringLiteral("MMMM yyyy"));
}

QString FormatShortDate(QDate date) {
    // The order of a language's short dates is its translation's.
    return Shown().toString(date, QCoreApplication::translate("Ondulix", "MMM d, yyyy"));
}

QString FormatDay(QDate date) {
    return QString::number(date.day());
}

QDate ParseDateText(const QString& text) {
    int year = 0, month = 0, day = 0;
    const QStringView t(text);
    const qsizetype blank = t.indexOf(u' ');
    if (blank > 0) {
        // "January 7, 1960"
        const QStringView name = t.left(blank), rest = t.mid(blank + 1);
        const qsizetype comma = rest.indexOf(u',');
        if (!IsAscii(name, IsAsciiLetter, 1, 9) || comma < 0 ||
            !IsAscii(rest.left(comma), IsAsciiDigit, 1, 2) || !rest.mid(comma).startsWith(u", ") ||
            !IsAscii(rest.mid(comma + 2), IsAsciiDigit, 4, 4))
            Refuse(text);
        month = MonthFromName(name.toString(), QLocale::LongFormat);
        day = rest.left(comma).toInt();
        year = rest.mid(comma + 2).toInt();
    } else {
        // "1-Jan-1960"
        const QList<QStringView> parts = t.split(u'-');
        if (parts.size() != 3 || !IsAscii(parts[0], IsAsciiDigit, 1, 2) ||
            !IsAscii(parts[1], IsAsciiLetter, 3, 3) || !IsAscii(parts[2], IsAsciiDigit, 4, 4))
            Refuse(text);
        day = parts[0].toInt();
        month = MonthFromName(parts[1].toString(), QLocale::ShortFormat);
        year = parts[2].toInt();
    }
    const QDate date(year, month, day);
    if (month == 0 || !date.isValid()) Refuse(text);
    return date;
}

DateTrio TrioOf(QDate date) {
    return {QString::number(date.day()), MonthName(date.month()), QString::number(date.year())};
}

QString TrioText(const DateTrio& trio) {
    return trio.month + u' ' + trio.day + QStringLiteral(", ") + trio.year;
}

QString StoredDateText(const DateTrio& trio) {
    return trio.day + u'-' + trio.month.left(3) + u'-' + trio.year;
}

} // namespace cal
