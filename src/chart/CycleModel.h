#pragma once

#include "plot/Color.h"
#include "util/BoundedArray.h"

#include <QString>
#include <cstdint>

// The seven cycle kinds: 1 Physical (23 days), 2 Emotional (28), 3 Intellectual
// (33), 4 Intuitive (38), and the combined kinds 5 Passion (1 and 2), 6 Wisdom
// (2 and 3), 7 Mastery (1 and 3). A value is a pure sine of the hours since
// birth, scaled to -98..98 chart units.
namespace chart {

// The chart: 60 days of 24 hours; a centred one starts 30 days before the
// display date; a cycle's peak is 98 chart units.
inline constexpr std::int32_t ChartDayCount = 60;
inline constexpr std::int32_t HoursPerDay = 24;
inline constexpr std::int32_t CentringDays = 30;
inline constexpr std::int32_t FullSwing = 98;

inline constexpr std::int32_t FirstKind = 1;
inline constexpr std::int32_t LastPrimaryKind = 4;
inline constexpr std::int32_t LastKind = 7;

// Which kinds are drawn, indexed by kind.
using KindSet = BoundedArray<bool, FirstKind, LastKind>;

struct CycleTables {
    BoundedArray<double, FirstKind, LastPrimaryKind> CycleRate; // degrees per hour
    BoundedArray<Color, FirstKind, LastKind> CycleColor;
};

// The rates (360 / (24 x period)) and curve colours the window loads.
CycleTables MakeCycleTables();

// The two primary kinds a combined kind (5..7) is the mean of.
struct Components {
    std::int32_t p;
    std::int32_t q;
};
Components CombinedComponents(std::int32_t kind);

// Check box caption of a kind ("Fisik", ..., "Mastery"), in the language in
// use; its source, to translate again when the language changes.
QString CycleCaption(std::int32_t kind);
const char* CycleCaptionSource(std::int32_t kind);

// Primary kind 1..4 at `hours` after birth: SinDeg(hours x rate), -1..1.
double PrimaryLevel(const CycleTables& tables, std::int32_t kind, double hours);

// Kind 1..7 at `hours` after birth, from -1 to 1: the sine of a primary
// kind, the mean of its two sines for a combined one. The one cycle formula:
// the curves, the values and the readout all come from it.
double CycleLevel(const CycleTables& tables, std::int32_t kind, double hours);

// Value of primary kind k at chart hour t, H hours after birth:
// 98 x SinDeg((t + H) x rate), rounded halves to even.
std::int32_t PrimaryValue(const CycleTables& tables, std::int32_t kind, double H, double t);

// Value of the mean of primary kinds p and q: 49 x (sin q + sin p), rounded.
std::int32_t CombinedValue(const CycleTables& tables, std::int32_t p, std::int32_t q, double H,
                           double t);

} // namespace chart
