#include "chart/DrawChart.h"

#include "chart/ChartCurves.h"
#include "chart/ChartExport.h"
#include "chart/ChartFrame.h"
#include "chart/ChartReadout.h"
#include "chart/CriticalDays.h"
#include "plot/modMathUtil.h"
#include "plot/modPlotUtil.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <algorithm>
#include <cmath>

namespace chart {

void InitChartPlot(Surface& surface) {
    using W = PlotWindowSetup;
    modPlotUtil::PlotInit(surface, W::X1, W::Y1, W::X2, W::Y2, W::DevWidth, W::DevHeight,
                          W::DevLeft, W::DevTop, W::FontName(), W::FontSize);
}

std::optional<ChartSpan> ChooseChartSpan(QDate birth, QDate display, bool centreTicked) {
    ChartSpan span;
    span.days = cal::DiffDays(birth, display);
    if (span.days < 0) return std::nullopt;

    if (centreTicked && span.days > 0) {
        const double shift = modMathUtil::MinDbl(span.days, CentringDays);
        span.start = cal::AddDays(display, -static_cast<std::int32_t>(shift));
        span.marker = display;
    } else {
        span.start = display;
        span.marker = span.start;
    }
    span.hours = cal::DiffHours(birth, span.start);
    return span;
}

void DrawChart(Surface& surface, const CycleTables& tables, const ChartSpan& span,
               const KindSet& ticked) {
    DrawDayGrid(surface, span.start, span.marker);
    DrawChartLabels(surface, span.start);
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!ticked[kind]) continue;
        if (kind > LastPrimaryKind) {
            const Components c = CombinedComponents(kind);
            DrawCombinedCurve(surface, tables, kind, span.hours, c.p, c.q);
        } else {
            DrawCycleCurve(surface, tables, kind, span.hours);
        }
    }
}

namespace {

// "Ani, lahir 15 Juli 1992", at most a line's worth.
QString KeyName(const QString& person, QDate birth) {
    const QString name = ShowableText(person).left(32);
    return (name.isEmpty() ? QString() : name + QStringLiteral(", ")) +
           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "lahir ")) + LongDateId(birth);
}

// Under the plot window, on the margin: a solid and a dashed stroke, each
// with whose curves they are. Drawn straight on the surface in its twips.
void DrawComparisonKey(Surface& surface, const ChartOptions& options) {
    constexpr double Top = 4370, Mid = Top + 75, Stroke = 360;
    const Color grey = RGB(210, 210, 210);
    surface.SetFontName(QStringLiteral("Arial"));
    surface.SetFontSize(7);
    surface.SetFontBold(false);
    surface.SetFontItalic(false);
    surface.SetForeColor(grey);
    const auto entry = [&](double x, bool dashed, const QString& text) {
        for (double at = x; at < x + Stroke; at += dashed ? 90 : Stroke)
            surface.Line(Surface::HasColor | Surface::HasStart, at, Mid,
                         at + (dashed ? 60 : Stroke), Mid, grey);
        surface.SetCurrentX(x + Stroke + 60);
        surface.SetCurrentY(Top);
        surface.Print(text);
    };
    entry(1600, false, FirstKeyName(options));
    entry(1600 + 4320, true, SecondKeyName(options));
}

// On the zero axis where a ticked primary curve crosses it, a small square in
// its colour; a day critical for two or more of the shown cycles gets larger
// squares edged in black. The second person's are hollow, as their curves
// are dashed. `birthHours`: the chart's first hour, counted from this birth.
void DrawCriticalMarks(const CycleTables& tables, Surface& surface, const KindSet& kinds,
                       double birthHours, bool hollow) {
    const auto firstDay = static_cast<std::int64_t>(std::floor(birthHours / HoursPerDay));
    for (std::int64_t day = std::max<std::int64_t>(firstDay, 0); day <= firstDay + ChartDayCount;
         ++day) {
        const KindBits bits = CriticalKinds(kinds, day);
        const bool several = KindCount(bits) >= 2;
        const std::int32_t half = several ? 6 : 5, high = several ? 7 : 3;
        for (std::int32_t kind = FirstKind; kind <= LastPrimaryKind; ++kind) {
            if (!(bits & (1u << (kind - 1)))) continue;
            const double x = CrossingHour(kind, day) - birthHours;
            if (x < 0 || x > PlotWindowSetup::X2) continue;
            const auto at = static_cast<std::int32_t>(std::lround(x));
            modPlotUtil::PlotColor = tables.CycleColor[kind];
            modPlotUtil::PlotBox(surface, at - half, -high, at + half, high,
                                 hollow    ? 1
                                 : several ? 3
                                           : 2);
        }
    }
}

} // namespace

QString FirstKeyName(const ChartOptions& options) {
    return KeyName(FirstPersonName(options), options.birth);
}

QString SecondKeyName(const ChartOptions& options) {
    return KeyName(options.comparePerson, options.compare);
}

bool DrawWholeChart(Surface& surface, const ChartOptions& options) {
    return DrawWholeChart(surface, options, MakeCycleTables());
}

bool DrawWholeChart(Surface& surface, const ChartOptions& options, const CycleTables& tables) {
    InitChartPlot(surface);
    modPlotUtil::PlotClear(surface);
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return false;
    DrawChart(surface, tables, *span, options.kinds);
    if (options.compare.isValid() && options.compare != options.birth) { // else one set
        const double hours = cal::DiffHours(options.compare, span->start);
        for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind)
            if (options.kinds[kind]) DrawComparedCurve(surface, tables, kind, hours);
    }
    if (options.criticalMarks) {
        DrawCriticalMarks(tables, surface, options.kinds, span->hours, false);
        if (options.compare.isValid() && options.compare != options.birth)
            DrawCriticalMarks(tables, surface, options.kinds,
                              cal::DiffHours(options.compare, span->start), true);
    }
    if (options.compare.isValid()) DrawComparisonKey(surface, options);
    return true;
}

} // namespace chart
