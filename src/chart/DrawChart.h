#pragma once

#include "chart/ChartGeometry.h"
#include "chart/CycleModel.h"
#include "plot/Surface.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// Drawing the chart: what one run of the draw command works out from the two
// dates, and the drawing it does. The window, ondulix-chart and every export
// draw through here.
namespace chart {

// PlotInit with PlotWindowSetup (clears the surface and the plot window).
void InitChartPlot(Surface& surface);

struct ChartSpan {
    std::int32_t days = 0; // display date minus birth date
    QDate start;           // chart day 0
    QDate marker;          // day drawn with a black line (none when equal to start)
    double hours = 0;      // hours from the birth date to start
};

// Chooses the 60-day window. Centring starts the chart 30 days before the
// display date, or on the birth date for someone younger than 30 days; it
// applies only when `centreTicked` and the person is at least a day old.
// Returns nothing when the birth date is after the display date.
std::optional<ChartSpan> ChooseChartSpan(QDate birth, QDate display, bool centreTicked);

// Grid, labels and the ticked curves in kind order, on a cleared plot window.
void DrawChart(Surface& surface, const CycleTables& tables, const ChartSpan& span,
               const KindSet& ticked);

struct ChartOptions {
    QDate birth;
    QDate display;
    bool centre = false;
    QString person;              // whose chart; empty for the user's own
    KindSet kinds;               // ticked kinds
    double devicePixelRatio = 1; // PNG only
    QDate compare;               // a second person's birth date; invalid: none
    QString comparePerson;       // their name; empty: named by their birth date
    bool criticalMarks = false;  // a mark where a ticked primary curve crosses zero
    bool trueMoon = false;       // the real moon's phase, not the count from the epoch
};

// PlotInit with the program's values, a cleared plot window, grid, labels and
// the ticked curves; with a comparison, the second person's after, dashed. Returns false, leaving
// the plot window empty, when the birth date is after the display date.
bool DrawWholeChart(Surface& surface, const ChartOptions& options);
// Whose curves the comparison key names, solid then dashed: "Ani, lahir 15 Juli 1992".
QString FirstKeyName(const ChartOptions& options);
QString SecondKeyName(const ChartOptions& options);
bool DrawWholeChart(Surface& surface, const ChartOptions& options, const CycleTables& tables);

} // namespace chart
