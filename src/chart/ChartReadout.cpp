#include "chart/ChartReadout.h"

#include "chart/ChartValues.h"
#include "moon/MoonPhase.h"
#include "util/Calendar.h"

#include <QLocale>

namespace chart {

std::optional<DayReadout> ReadDay(const ChartOptions& options, std::int32_t chartDay) {
    if (chartDay < 0 || chartDay >= ChartDayCount) return std::nullopt;
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return std::nullopt;
    const CycleTables tables = MakeCycleTables();
    DayReadout day;
    day.date = cal::AddDays(span->start, chartDay);
    day.dayNumber = cal::DiffDays(options.birth, day.date);
    const double hours = span->hours + 24.0 * chartDay;
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!options.kinds[kind]) continue;
        const double now = CycleLevel(tables, kind, hours);
        const double next = CycleLevel(tables, kind, hours + 24);
        const bool crosses = now == 0 || (now < 0) != (next < 0);
        day.items.push_back({kind, 100 * now, next > now, kind <= LastPrimaryKind && crosses});
    }
    day.moonPhase = moon::PhaseNameOfDay(day.date);
    return day;
}

QString ReadoutText(const DayReadout& day) {
    static const char* const Weekdays[] = {"Minggu", "Senin", "Selasa", "Rabu",
                                           "Kamis",  "Jumat", "Sabtu"};
    const QString separator = QStringLiteral(" \u00B7 ");
    QStringList parts;
    parts << QString::fromLatin1(Weekdays[cal::Weekday(day.date) - 1]) + u' ' +
                 day.date.toString(QStringLiteral("dd-MM-yyyy"));
    static const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    parts << QStringLiteral("hari ke-") + indonesian.toString(day.dayNumber);
    for (const DayReadout::Item& item : day.items) {
        QString value = PercentText(item.percent);
        if (value != QLatin1String("0.0") && !value.startsWith(u'-')) value.prepend(u'+');
        const QString mark = item.critical ? QStringLiteral("kritis")
                             : item.rising ? QStringLiteral("\u2191")
                                           : QStringLiteral("\u2193");
        parts << CycleCaption(item.kind) + u' ' + value + u'%' + u' ' + mark;
    }
    parts << QStringLiteral("Bulan: ") + day.moonPhase;
    return parts.join(separator);
}

} // namespace chart
