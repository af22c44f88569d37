#pragma once

#include "chart/CycleModel.h"
#include "plot/Surface.h"

#include <QDate>

// The chart's frame over 60 days from `start`: x is hours after midnight of
// the start date (24 per day), y is -100..100. Both draw through the plot
// toolkit only, and leave PlotColor at the last colour used.
namespace chart {

// Zero axis and one line per day 1..59: solid on Sundays, dashed otherwise;
// blue-grey on the first of a month, black on the marker date.
void DrawDayGrid(Surface& surface, QDate start, QDate marker);

// Month titles (days 0..53 only), day numbers alternating above and below the
// axis, and the credit line on its white patch.
void DrawChartLabels(Surface& surface, QDate start);

} // namespace chart
