#pragma once

#include "chart/DrawChart.h"

#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>

// The whole chart, drawn as the window draws it, as an image or a file.
namespace chart {

// The chart as an image of ChartArea at the options' device pixel ratio.
QImage RenderChartImage(const ChartOptions& options);

// Writes the chart to `path` as PNG or SVG (by the name's extension). SVG user
// units are twips. The file appears whole or not at all. Returns an empty
// string on success, else a one-line reason.
QString WriteChartFile(const ChartOptions& options, const QString& path);

} // namespace chart
