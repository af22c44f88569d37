#include "chart/ChartFrame.h"

#include "plot/modPlotUtil.h"
#include "util/Calendar.h"
#include "util/Checked.h"

using namespace modPlotUtil;

namespace chart {

namespace {

constexpr int LastTitleDay = 53; // titles of months starting later would run off the chart

} // namespace

void DrawDayGrid(Surface& surface, QDate start, QDate marker) {
    PlotColor = QBColor(7);
    PlotMoveTo(surface, 0, 0);
    PlotLineTo(surface, ChartDayCount * HoursPerDay, 0);

    QDate d = start;
    for (int i = 1; i <= ChartDayCount - 1; ++i) {
        const std::int32_t x = checked::Mul(HoursPerDay, i);
        d = cal::AddDays(d, 1);
        if (d == marker) {
            PlotColor = QBColor(0);
        } else {
            PlotColor = QBColor(7);
            if (d.day() == 1) PlotColor = RGB(100, 100, 160);
        }
        PlotMoveTo(surface, x, 100);
        if (cal::Weekday(d) == 1)
            PlotLineTo(surface, x, -100);
        else
            PlotDashTo(surface, x, -100, 2);
    }
}

void DrawChartLabels(Surface& surface, QDate start) {
    PlotColor = QBColor(9);
    for (int i = 0; i <= LastTitleDay; ++i) {
        const QDate d = cal::AddDays(start, i);
        if (d.day() == 1)
            PlotText(surface, checked::Mul(HoursPerDay, i), 92, cal::FormatMonthYear(d));
    }

    PlotColor = QBColor(0);
    for (int i = 1; i <= ChartDayCount - 1; ++i) {
        const QDate d = cal::AddDays(start, i);
        const QString text = cal::FormatDay(d);
        const int n = text.toInt();
        const std::int32_t x = checked::Sub(checked::Mul(HoursPerDay, i), n < 10 ? 6 : 12);
        const std::int32_t y = i % 2 == 1 ? 1 : -9;
        PlotText(surface, x, y, text);
    }

    PlotFontSize = 6;
    PlotColor = QBColor(15);
    PlotBox(surface, 1300, -99, 1420, -92, 2);
    PlotColor = RGB(180, 180, 255);
    PlotText(surface, 1320, -99, QStringLiteral("by K.P.Morvo"));
    PlotFontSize = 7;
}

} // namespace chart
