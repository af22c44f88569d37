#include "chart/CriticalDays.h"

#include "chart/Agreement.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QCryptographicHash>
#include <QStringList>
#include <algorithm>

namespace chart {

namespace {

// The first zero at or after the start of day `day`: k = ceil(2 day / T).
std::int64_t FirstZeroAtOrAfter(std::int32_t period, std::int64_t day) {
    return (2 * day + period - 1) / period;
}

QDate LastDay() {
    return QDate(cal::LastYear, 12, 31);
}

} // namespace

bool IsCritical(std::int32_t kind, std::int64_t day) {
    if (day < 0 || kind < FirstKind || kind > LastPrimaryKind) return false;
    const std::int32_t period = PeriodDays(kind);
    // The zero k T / 2 lies before the next day's start: k T < 2 (day + 1).
    return FirstZeroAtOrAfter(period, day) * period < 2 * (day + 1);
}

KindBits CriticalKinds(const KindSet& kinds, std::int64_t day) {
    KindBits bits = 0;
    for (std::int32_t kind = FirstKind; kind <= LastPrimaryKind; ++kind)
        if (kinds[kind] && IsCritical(kind, day)) bits |= KindBits(1u << (kind - 1));
    return bits;
}

std::int32_t KindCount(KindBits bits) {
    std::int32_t count = 0;
    for (; bits; bits &= KindBits(bits - 1))
        ++count;
    return count;
}

double CrossingHour(std::int32_t kind, std::int64_t day) {
    const std::int32_t period = PeriodDays(kind);
    return double(FirstZeroAtOrAfter(period, day) * period) * HoursPerDay / 2;
}

QString KindLetters(KindBits bits) {
    static const char Letters[] = "FEIU";
    QString text;
    for (std::int32_t i = 0; i < LastPrimaryKind; ++i)
        if (bits & (1u << i)) text += QLatin1Char(Letters[i]);
    return text;
}

QString KindNames(KindBits bits) {
    QStringList names;
    for (std::int32_t kind = FirstKind; kind <= LastPrimaryKind; ++kind)
        if (bits & (1u << (kind - 1))) names << CycleCaption(kind);
    return names.join(QStringLiteral(", "));
}

QString Multiplicity(std::int32_t count) {
    static const char* const Names[] = {"", QT_TRANSLATE_NOOP("Ondulix", "tunggal"),
                                        QT_TRANSLATE_NOOP("Ondulix", "ganda"),
                                        QT_TRANSLATE_NOOP("Ondulix", "rangkap tiga"),
                                        QT_TRANSLATE_NOOP("Ondulix", "rangkap empat")};
    return words::Tr(Names[std::clamp(count, 0, 4)]);
}

std::vector<CriticalDay> CriticalDays(QDate birth, QDate from, std::int32_t days,
                                      const KindSet& kinds, std::int32_t atLeast) {
    std::vector<CriticalDay> found;
    const std::int64_t first = cal::DiffDays(birth, from);
    const std::int64_t last =
        std::min<std::int64_t>(first + days, cal::DiffDays(birth, LastDay()) + 1);
    for (std::int64_t day = std::max<std::int64_t>(first, 0); day < last; ++day) {
        const KindBits bits = CriticalKinds(kinds, day);
        if (bits && KindCount(bits) >= atLeast) found.push_back({birth.addDays(day), bits});
    }
    return found;
}

std::optional<CriticalDay> NextCriticalDay(QDate birth, QDate from, const KindSet& kinds,
                                           std::int32_t atLeast) {
    const auto left = std::int32_t(cal::DiffDays(from, LastDay()) + 1);
    // A day at a time: 140 years are 51,000 days of four divisions each.
    for (std::int32_t step = 0, chunk = 366; step < left; step += chunk) {
        const auto found =
            CriticalDays(birth, from.addDays(step), std::min(chunk, left - step), kinds, atLeast);
        if (!found.empty()) return found.front();
    }
    return std::nullopt;
}

QString CriticalSummary(const QString& person, const CriticalDay& day) {
    const QString who = person.isEmpty() ? QString() : u' ' + person;
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Hari kritis ")) +
           Multiplicity(KindCount(day.kinds)) + who + QStringLiteral(": ") + KindNames(day.kinds);
}

std::vector<people::AllDayEvent> CriticalEvents(const QString& person, QDate birth,
                                                const std::vector<CriticalDay>& days) {
    std::vector<people::AllDayEvent> events;
    const QString born = birth.toString(Qt::ISODate);
    for (const CriticalDay& day : days) {
        const QString key = person + u'\n' + born + u'\n' + day.date.toString(Qt::ISODate);
        events.push_back(
            {QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex() + "-kritis",
             day.date, CriticalSummary(person, day), false});
    }
    return events;
}

QByteArray CriticalCalendar(const std::vector<people::AllDayEvent>& events,
                            const QDateTime& stamp) {
    return people::Calendar(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Hari Kritis")), events, stamp);
}

QString CriticalLines(const std::vector<CriticalDay>& days) {
    QString lines;
    for (const CriticalDay& day : days)
        lines += day.date.toString(Qt::ISODate) + u'\t' + KindLetters(day.kinds) + u'\n';
    return lines;
}

} // namespace chart
