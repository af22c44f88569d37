#include "chart/ChartValues.h"

#include "plot/modMathUtil.h"
#include "util/Calendar.h"

namespace chart {

std::vector<DayValues> ChartDays(const ChartOptions& options) {
    std::vector<DayValues> days;
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return days;
    const CycleTables tables = MakeCycleTables();
    days.reserve(ChartDayCount);
    for (std::int32_t d = 0; d < ChartDayCount; ++d) {
        DayValues day;
        day.date = cal::AddDays(span->start, d);
        day.dayNumber = cal::DiffDays(options.birth, day.date);
        const auto valuesAt = [&](double hours) {
            std::vector<KindValue> values;
            for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind)
                if (options.kinds[kind])
                    values.push_back({kind, 100 * CycleLevel(tables, kind, hours)});
            return values;
        };
        day.values = valuesAt(span->hours + double(HoursPerDay) * d);
        if (options.compare.isValid() && options.compare <= day.date) {
            day.dayNumber2 = cal::DiffDays(options.compare, day.date);
            day.values2 = valuesAt(double(HoursPerDay) * *day.dayNumber2);
        }
        days.push_back(std::move(day));
    }
    return days;
}

QString PercentText(double percent) {
    QString text = QString::number(percent, 'f', 1);
    if (text == QLatin1String("-0.0")) text.remove(0, 1);
    return text;
}

} // namespace chart
