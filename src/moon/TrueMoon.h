#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

// The real moon: the moments of its principal phases after Meeus, "Astronomical Algorithms",
// chapter 49, good to about a minute from 1900 to 2050.
namespace moon {

enum class Principal { New, FirstQuarter, Full, LastQuarter };

struct PhaseMoment {
    QDateTime utc; // the exact moment, UTC
    Principal phase;
};

// The principal phases whose exact moment lies in [from, to), in time order.
std::vector<PhaseMoment> PrincipalPhases(const QDateTime& from, const QDateTime& to);

// "new", "first-quarter", "full", "last-quarter".
QString PhaseKeyword(Principal phase);

// Where in its lunation the moon is at `utc`, 0 <= fraction < 1: 0 at the new moon, 0.25 at the
// first quarter, 0.5 at the full moon, 0.75 at the last quarter, linear in time between them.
double LunationFraction(const QDateTime& utc);

// Picture 1..24 of the real moon for a local calendar day, taken at local noon of that day:
// picture 1 is the new moon, 13 the full moon.
std::int32_t TruePictureIndex(QDate day);

} // namespace moon
