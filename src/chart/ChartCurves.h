#pragma once

#include "chart/CycleModel.h"
#include "plot/Surface.h"

// One polyline per cycle over the chart's 60 days: a move to t = 0 and 480
// three-hour segments to t = 1440, in the kind's colour.
namespace chart {

// Primary kind 1..4.
void DrawCycleCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H);

// Combined kind 5..7 (selects the colour), the mean of primary kinds p and q.
void DrawCombinedCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H,
                       std::int32_t p, std::int32_t q);

// A second person's curve of kind 1..7, `H` hours after their birth at the
// chart's start: dashes of 6 hours with 3-hour gaps, nothing before the birth.
void DrawComparedCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H);

} // namespace chart
