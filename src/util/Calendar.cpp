#include "util/Calendar.h"

#include "util/Checked.h"

#include <QLocale>
#include <QRegularExpression>

namespace cal {

namespace {

const QLocale& English() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
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

[[noreturn]] void Refuse(const QString& text) {
    throw TypeMismatchError(
        QStringLiteral("Type mismatch: \"%1\" is not a date").arg(text).toStdString());
}

} // namespace

std::int32_t DateSerial(QDate date) {
    return DiffDays(SerialEpoch(), date);
}

QDate DateFromSerial(std::int32_t serial) {
    return SerialEpoch().addDays(serial);
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

QString FormatMonthYear(QDate date) {
    return English().toString(date, QStringLiteral("MMMM yyyy"));
}

QString FormatShortDate(QDate date) {
    return English().toString(date, QStringLiteral("MMM d, yyyy"));
}

QString FormatDay(QDate date) {
    return QString::number(date.day());
}

QDate ParseDateText(const QString& text) {
    // "January 7, 1960"
    static const QRegularExpression longForm(QStringLiteral("^([A-Za-z]+) (\\d{1,2}), (\\d{4})$"));
    // "1-Jan-1960"
    static const QRegularExpression storedForm(
        QStringLiteral("^(\\d{1,2})-([A-Za-z]{3})-(\\d{4})$"));

    int year = 0, month = 0, day = 0;
    if (const auto m = longForm.match(text); m.hasMatch()) {
        month = MonthFromName(m.captured(1), QLocale::LongFormat);
        day = m.captured(2).toInt();
        year = m.captured(3).toInt();
    } else if (const auto s = storedForm.match(text); s.hasMatch()) {
        day = s.captured(1).toInt();
        month = MonthFromName(s.captured(2), QLocale::ShortFormat);
        year = s.captured(3).toInt();
    } else {
        Refuse(text);
    }
    const QDate date(year, month, day);
    if (month == 0 || !date.isValid()) Refuse(text);
    return date;
}

} // namespace cal
