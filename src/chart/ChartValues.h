#pragma once

#include "chart/DrawChart.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The chart's values as numbers: what the curves show, day by day.
namespace chart {

struct KindValue {
    std::int32_t kind;
    double percent; // 100 x CycleLevel, -100..100
};

struct DayValues {
    QDate date;
    std::int32_t dayNumber;        // days since birth
    std::vector<KindValue> values; // the ticked kinds, in kind order
    // With a comparison: the second person's, from their birth on.
    std::optional<std::int32_t> dayNumber2;
    std::vector<KindValue> values2;
};

// The chart's 60 days, each at its start (midnight); empty when the birth
// date is after the display date.
std::vector<DayValues> ChartDays(const ChartOptions& options);

// One decimal, "-0.0" written as "0.0".
QString PercentText(double percent);

} // namespace chart
