#include "moon/TrueMoon.h"

#include "moon/MoonPhase.h"

#include <cmath>
#include <iterator>
#include <numbers>
#include <span>

namespace moon {
namespace {

constexpr double MeanEpoch = 2451550.09766; // JDE of the mean new moon of 6 January 2000, k = 0
constexpr double SynodicMonth = 29.530588861;
constexpr double UnixEpochJd = 2440587.5;
constexpr double MsPerDay = 86400000.0;

double Sin(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}
double Cos(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

// One periodic term: coefficient x E^ePower x sin(m M + mp M' + f F + om Omega).
struct Term {
    double coefficient;
    int ePower, m, mp, f, om;
};

constexpr Term NewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

constexpr Term FullMoonTerms[] = {
    {-0.40614, 0, 0, 1, 0, 0}, {0.17302, 1, 1, 0, 0, 0},    {0.01614, 0, 0, 2, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},  {0.00734, 1, -1, 1, 0, 0},   {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

constexpr Term QuarterTerms[] = {
    {-0.62801, 0, 0, 1, 0, 0}, {0.17172, 1, 1, 0, 0, 0},    {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 0, 2, 0, 0},  {0.00804, 0, 0, 0, 2, 0},    {0.00454, 1, -1, 1, 0, 0},
    {0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0},  {-0.00070, 0, 0, 1, 2, 0},
    {-0.00040, 0, 0, 3, 0, 0}, {-0.00034, 1, -1, 2, 0, 0},  {0.00032, 1, 1, 0, 2, 0},
    {0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},   {0.00027, 1, 1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1}, {-0.00005, 0, -1, 1, -2, 0}, {0.00004, 0, 0, 2, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, -2, 1, 0, 0},   {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 3, 0, 0, 0},  {0.00002, 0, 0, 2, -2, 0},   {0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
};

// The planets' pull, the same for every phase: coefficient x sin(start + rate k + squared T^2).
struct PlanetTerm {
    double start, rate, squared, coefficient;
};

constexpr PlanetTerm PlanetTerms[] = {
    {299.77, 0.107408, -0.009173, 0.000325}, {251.88, 0.016321, 0, 0.000165},
    {251.83, 26.651886, 0, 0.000164},        {349.42, 36.412478, 0, 0.000126},
    {84.66, 18.206239, 0, 0.000110},         {141.74, 53.303771, 0, 0.000062},
    {207.14, 2.453732, 0, 0.000060},         {154.84, 7.306860, 0, 0.000056},
    {34.52, 27.261239, 0, 0.000047},         {207.19, 0.121824, 0, 0.000042},
    {291.34, 1.844379, 0, 0.000040},         {161.72, 24.198154, 0, 0.000037},
    {239.56, 25.513099, 0, 0.000035},        {331.55, 3.592518, 0, 0.000023},
};

// TT - UT in seconds at the start of a year; the formulas run on TT, the clock on UT.
struct DeltaT {
    double year, seconds;
};

constexpr DeltaT DeltaTs[] = {
    {1900, -2.8}, {1910, 10.4}, {1920, 21.2}, {1930, 24.0}, {1940, 24.3},
    {1950, 29.1}, {1960, 33.1}, {1970, 40.2}, {1980, 50.5}, {1990, 56.9},
    {2000, 63.8}, {2010, 66.1}, {2020, 69.4}, {2030, 71.0}, {2050, 75.0},
};

double DeltaTSeconds(double year) {
    // Held at the ends outside the table: a minute's error there is within what Meeus promises.
    if (year <= DeltaTs[0].year) return DeltaTs[0].seconds;
    for (auto next = std::begin(DeltaTs) + 1; next != std::end(DeltaTs); ++next) {
        const DeltaT& last = *(next - 1);
        if (year <= next->year)
            return last.seconds +
                   (year - last.year) / (next->year - last.year) * (next->seconds - last.seconds);
    }
    return std::prev(std::end(DeltaTs))->seconds;
}

// Quarters are counted from the new moon of 6 January 2000; quarter q is phase q mod 4.
Principal PhaseOf(std::int64_t q) {
    return static_cast<Principal>((q % 4 + 4) % 4);
}

// Julian day, in UT, of the exact moment of quarter q.
double PhaseJd(std::int64_t q) {
    const double k = static_cast<double>(q) / 4.0;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean =
        MeanEpoch + SynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp =
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f =
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    const Principal phase = PhaseOf(q);
    const bool quarter = phase == Principal::FirstQuarter || phase == Principal::LastQuarter;
    const std::span<const Term> terms = quarter                   ? std::span(QuarterTerms)
                                        : phase == Principal::New ? std::span(NewMoonTerms)
                                                                  : std::span(FullMoonTerms);
    double correction = 0.0;
    for (const Term& term : terms)
        correction += term.coefficient * std::pow(e, term.ePower) *
                      Sin(term.m * m + term.mp * mp + term.f * f + term.om * om);
    if (quarter) {
        const double w = 0.00306 - 0.00038 * e * Cos(m) + 0.00026 * Cos(mp) -
                         0.00002 * Cos(mp - m) + 0.00002 * Cos(mp + m) + 0.00002 * Cos(2 * f);
        correction += phase == Principal::FirstQuarter ? w : -w;
    }
    for (const PlanetTerm& planet : PlanetTerms)
        correction +=
            planet.coefficient * Sin(planet.start + planet.rate * k + planet.squared * t2);

    const double jde = mean + correction;
    const double year = 2000.0 + (jde - 2451545.0) / 365.25;
    return jde - DeltaTSeconds(year) / 86400.0;
}

std::int64_t PhaseMs(std::int64_t q) {
    return std::llround((PhaseJd(q) - UnixEpochJd) * MsPerDay);
}

// The quarter whose mean moment is the last one at or before `ms`.
std::int64_t MeanQuarterBefore(qint64 ms) {
    const double jd = UnixEpochJd + static_cast<double>(ms) / MsPerDay;
    return static_cast<std::int64_t>(std::floor((jd - MeanEpoch) / SynodicMonth * 4.0));
}

} // namespace

std::vector<PhaseMoment> PrincipalPhases(const QDateTime& from, const QDateTime& to) {
    std::vector<PhaseMoment> phases;
    if (!from.isValid() || !to.isValid() || from >= to) return phases;
    const qint64 start = from.toMSecsSinceEpoch(), end = to.toMSecsSinceEpoch();
    // A true moment strays less than a day from its mean one and quarters are six days or more
    // apart, so one quarter before the mean one is early enough, and the moments rise with q.
    for (std::int64_t q = MeanQuarterBefore(start) - 1;; ++q) {
        const qint64 ms = PhaseMs(q);
        if (ms >= end) break;
        if (ms >= start)
            phases.push_back({QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC), PhaseOf(q)});
    }
    return phases;
}

QString PhaseKeyword(Principal phase) {
    switch (phase) {
    case Principal::New:
        return QStringLiteral("new");
    case Principal::FirstQuarter:
        return QStringLiteral("first-quarter");
    case Principal::Full:
        return QStringLiteral("full");
    case Principal::LastQuarter:
        return QStringLiteral("last-quarter");
    }
    return {};
}

double LunationFraction(const QDateTime& utc) {
    if (!utc.isValid()) return 0.0;
    const qint64 ms = utc.toMSecsSinceEpoch();
    std::int64_t q = MeanQuarterBefore(ms);
    while (PhaseMs(q) > ms)
        --q;
    while (PhaseMs(q + 1) <= ms)
        ++q;
    const double before = static_cast<double>(PhaseMs(q));
    const double after = static_cast<double>(PhaseMs(q + 1));
    const double within = (static_cast<double>(ms) - before) / (after - before);
    return (static_cast<double>(PhaseOf(q)) + within) / 4.0;
}

std::int32_t TruePictureIndex(QDate day) {
    const double fraction = LunationFraction(QDateTime(day, QTime(12, 0)));
    const auto step = static_cast<std::int32_t>(std::floor(fraction * PictureCount + 0.5));
    return step % PictureCount + 1;
}

} // namespace moon
