#pragma once

#include "chart/DrawChart.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

// The whole chart, drawn as the window draws it, out of the window: an image,
// SVG, PDF, a printed page, or its values as CSV. Every output draws through
// DrawWholeChart on a PainterSurface; none has a drawing of its own.
namespace chart {

enum class ExportFormat { Png, Svg, Pdf, Csv };

// By the name's extension (any letter case); nothing for another one.
std::optional<ExportFormat> FormatOfName(const QString& path);
// "png", "svg", "pdf", "csv".
QString FormatSuffix(ExportFormat format);

// "Ondulix: Ani, born 1 January 1960, 60 days from 7 December 2026" (no name:
// the user's own chart).
QString ChartTitle(const ChartOptions& options);

// A name as a page or a file can show it: no control characters and no
// noncharacters (XML cannot hold them; a printer draws them as boxes).
QString ShowableText(const QString& text);

// On paper the window's black margin goes: the plot window and its frame.
inline constexpr QRect PaperArea{1600 - 15, 300 - 15, 8640 + 30, 4000 + 30};

// The chart as an image of ChartArea at the options' device pixel ratio.
QImage RenderChartImage(const ChartOptions& options);

// The chart as pages: `count` PDF pages of 60 days each, or (`svg`) an SVG of
// the page rather than of the screen's chart.
struct OnPages {
    int count = 1;
    bool svg = false;
};
inline constexpr int MaxPages = 24;

// The file's bytes: PNG at the options' ratio; SVG in twips with a title and
// a size in millimetres; PDF, one A4 landscape page (the chart's page, with
// its header, legend and footer) with the title and the fonts embedded; CSV, one row a day (RFC
// 4180, UTF-8).
QByteArray ChartBytes(const ChartOptions& options, ExportFormat format, OnPages pages = {});

// Writes the chart to `path`, whole or not at all: the old file stays when
// anything fails. Returns an empty string on success, else a one-line reason
// naming the file.
QString WriteChartFile(const ChartOptions& options, const QString& path, ExportFormat format,
                       OnPages pages = {});

// The message of the draw command for a birth date after the display date.
inline const QString UnbornMessage = QStringLiteral("Belum lahir !!!");

} // namespace chart
