#pragma once

#include "chart/DrawChart.h"

#include <QDate>
#include <QRectF>

class QPagedPaintDevice;
class QPainter;

// A chart as a page to hand on: a header (whose chart, the birth date, the 60
// days shown, the age in days on the display date), the chart at the page's
// own resolution with smooth curves, a legend with each cycle's value on the
// display date, the display date's moon, and a footer.
namespace chart {

// `page`: the printable area in the painter's units; `printedOn` goes in the footer.
void PaintChartPage(QPainter& painter, const QRectF& page, const ChartOptions& options,
                    QDate printedOn);

// `count` pages on a paged device (a PDF, a printer), each the 60 days after
// the page before; false when the device refuses a page.
bool PaintChartPages(QPainter& painter, QPagedPaintDevice& device, const ChartOptions& options,
                     int count, QDate printedOn);

// A cycle's colour on white paper, as on screen where it reads at 3:1: the
// screen's green, yellow and teal (Intuisi 2.8:1, Passion 1.8:1, Wisdom
// 2.8:1) darkened until they do.
QColor PaperColor(std::int32_t kind);

} // namespace chart
