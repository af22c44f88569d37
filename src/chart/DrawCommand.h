#pragma once

#include "chart/CycleModel.h"
#include "plot/Surface.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// What one run of the draw command works out from the two dates, and the
// drawing it does once the plot window is cleared.
namespace chart {

// The program's one plot window: world 0..1440 x -100..100 on a device area
// of 9000 x 4000 twips at (1600, 300); the scales truncate to 6 and 20, so
// the chart covers twips 1600..10240 x 300..4300.
struct PlotWindowSetup {
    static constexpr std::int32_t X1 = 0, Y1 = -100, X2 = 1440, Y2 = 100;
    static constexpr std::int32_t DevWidth = 9000, DevHeight = 4000;
    static constexpr std::int32_t DevLeft = 1600, DevTop = 300;
    static constexpr std::int32_t FontSize = 7;
    static QString FontName() { return QStringLiteral("small fonts"); }
};

// PlotInit with the values above (clears the surface and the plot window).
void InitChartPlot(Surface& surface);

struct ChartSpan {
    std::int32_t days = 0;   // display date minus birth date
    bool centred = false;    // the display date sits in the middle of the chart
    std::int32_t slider = 0; // moon slider position: 30 when centred, else 0
    QDate start;             // chart day 0
    QDate marker;            // day drawn with a black line (none when equal to start)
    double hours = 0;        // hours from the birth date to start
};

// Chooses the 60-day window. Centring starts the chart 30 days before the
// display date, or on the birth date for someone younger than 30 days; it
// applies only when `centreTicked` and the person is at least a day old.
// Returns nothing when the birth date is after the display date.
std::optional<ChartSpan> ChooseChartSpan(QDate birth, QDate display, bool centreTicked);

// Grid, labels and the ticked curves in kind order, on a cleared plot window.
void DrawChart(Surface& surface, const CycleTables& tables, const ChartSpan& span,
               const KindSet& ticked);

} // namespace chart
