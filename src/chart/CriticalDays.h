#pragma once

#include "chart/CycleModel.h"
#include "people/BirthdayCalendar.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Critical days: a primary cycle of period T is critical on day n since birth
// (the birth date is day 0) when its sine is zero at some moment t with
// n <= t < n + 1. The zeros lie at t = k T / 2, so the critical days of T are
// exactly k T div 2 for k = 0, 1, 2, ...: whole numbers, never the sign of a
// floating-point sine. Combined cycles have none.
namespace chart {

// Bits of the primary kinds, kind k as bit k - 1: F 1, E 2, I 4, U 8.
using KindBits = std::uint8_t;

// Whether primary kind 1..4 is critical on day `day` since birth; never
// before birth.
bool IsCritical(std::int32_t kind, std::int64_t day);

// The primary kinds among `kinds` critical on day `day`.
KindBits CriticalKinds(const KindSet& kinds, std::int64_t day);

// How many kinds, 0..4.
std::int32_t KindCount(KindBits bits);

// The moment of the zero crossing of kind `kind` on critical day `day`, in
// hours since birth (the first one, should the day hold two).
double CrossingHour(std::int32_t kind, std::int64_t day);

// "FI": the keyboard letters of the kinds in the order F, E, I, U.
QString KindLetters(KindBits bits);
// "Fisik, Intelektual".
QString KindNames(KindBits bits);
// "tunggal", "ganda", "rangkap tiga", "rangkap empat".
QString Multiplicity(std::int32_t count);

struct CriticalDay {
    QDate date;
    KindBits kinds = 0;
};

// The days from `from` on, `days` of them but none past the program's last
// year, of the person born `birth` on which at least `atLeast` of `kinds`
// are critical.
std::vector<CriticalDay> CriticalDays(QDate birth, QDate from, std::int32_t days,
                                      const KindSet& kinds, std::int32_t atLeast = 1);

// The first day from `from` on, up to the program's last year, on which at
// least `atLeast` of `kinds` are critical.
std::optional<CriticalDay> NextCriticalDay(QDate birth, QDate from, const KindSet& kinds,
                                           std::int32_t atLeast);

// The summary of a critical day: "Hari kritis ganda Ani: Fisik, Intelektual"
// ("Hari kritis tunggal: Fisik" for the user's own, `person` empty).
QString CriticalSummary(const QString& person, const CriticalDay& day);

// The days as all-day events of a calendar; each UID made of what names the
// event across runs (the person's name and birth date, the day), so a new
// export of the same days updates them.
std::vector<people::AllDayEvent> CriticalEvents(const QString& person, QDate birth,
                                                const std::vector<CriticalDay>& days);
// The calendar of such events.
QByteArray CriticalCalendar(const std::vector<people::AllDayEvent>& events, const QDateTime& stamp);

// The lines of `ondulix-chart --critical`: "2026-12-09\tFI" a day.
QString CriticalLines(const std::vector<CriticalDay>& days);

} // namespace chart
