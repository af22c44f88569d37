#pragma once

#include "chart/DrawChart.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// The chart's values as numbers: what the curves show, day by day.
namespace chart {

// Kind 1..7 at `hours` after birth, from -1 to 1: the sine of a primary
// kind, the mean of its two sines for a combined one. The curves draw 98
// times this.
double CycleLevel(const CycleTables& tables, std::int32_t kind, double hours);

struct KindValue {
    std::int32_t kind;
    double percent; // 100 x CycleLevel, -100..100
};

struct DayValues {
    QDate date;
    std::int32_t dayNumber;        // days since birth
    std::vector<KindValue> values; // the ticked kinds, in kind order
};

// The chart's 60 days, each at its start (midnight); empty when the birth
// date is after the display date.
std::vector<DayValues> ChartDays(const ChartOptions& options);

// One decimal, "-0.0" written as "0.0".
QString PercentText(double percent);

} // namespace chart
