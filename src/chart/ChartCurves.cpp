#include "chart/ChartCurves.h"

#include "plot/modPlotUtil.h"
#include "util/Checked.h"

using namespace modPlotUtil;

namespace chart {

namespace {

constexpr double SampleStep = 3; // hours; 8 samples a day
constexpr double LastHour = ChartDayCount * HoursPerDay;

template <typename ValueAt>
void DrawSamples(Surface& surface, Color color, ValueAt valueAt) {
    const std::int32_t y0 = valueAt(0.0);
    PlotColor = color;
    PlotMoveTo(surface, 0, y0);
    for (double t = SampleStep; t <= LastHour; t += SampleStep)
        PlotLineTo(surface, checked::Round(t), valueAt(t));
}

} // namespace

void DrawCycleCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H) {
    DrawSamples(surface, tables.CycleColor[kind],
                [&](double t) { return PrimaryValue(tables, kind, H, t); });
}

void DrawCombinedCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H,
                       std::int32_t p, std::int32_t q) {
    DrawSamples(surface, tables.CycleColor[kind],
                [&](double t) { return CombinedValue(tables, p, q, H, t); });
}

} // namespace chart
