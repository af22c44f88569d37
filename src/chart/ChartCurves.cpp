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

void DrawComparedCurve(Surface& surface, const CycleTables& tables, std::int32_t kind, double H) {
    const auto valueAt = [&](double t) {
        if (kind <= LastPrimaryKind) return PrimaryValue(tables, kind, H, t);
        const Components c = CombinedComponents(kind);
        return CombinedValue(tables, c.p, c.q, H, t);
    };
    PlotColor = tables.CycleColor[kind];
    int step = 0; // of the dash pattern: two segments drawn, one left out
    bool at = false;
    for (double t = 0; t <= LastHour; t += SampleStep, ++step) {
        if (t + H < 0) { // not born yet
            at = false;
            continue;
        }
        const auto x = checked::Round(t);
        if (at && step % 3 != 0)
            PlotLineTo(surface, x, valueAt(t));
        else
            PlotMoveTo(surface, x, valueAt(t));
        at = true;
    }
}

} // namespace chart
