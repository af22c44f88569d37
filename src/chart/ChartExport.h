#pragma once

#include "chart/CycleModel.h"
#include "plot/Surface.h"

#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>

// A whole chart drawn as the window draws it, to an image or a file.
namespace chart {

struct ChartOptions {
    QDate birth;
    QDate display;
    bool centre = false;
    KindSet kinds;               // ticked kinds
    double devicePixelRatio = 1; // PNG only
};

// The window's surface around the plot window, in twips: the chart with a
// margin of about 20 pixels of the window's black background on each side.
inline constexpr QRect ChartArea{1305, 0, 9240, 4605};
inline constexpr Color WindowBackColor = 0; // black

// PlotInit with the program's values, a cleared plot window, grid, labels and
// the ticked curves. Returns false, leaving the plot window empty, when the
// birth date is after the display date.
bool DrawWholeChart(Surface& surface, const ChartOptions& options);

// The chart as an image of ChartArea at the options' device pixel ratio.
QImage RenderChartImage(const ChartOptions& options);

// Writes the chart to `path` as PNG or SVG (by the name's extension). SVG user
// units are twips. The file appears whole or not at all. Returns an empty
// string on success, else a one-line reason.
QString WriteChartFile(const ChartOptions& options, const QString& path);

} // namespace chart
