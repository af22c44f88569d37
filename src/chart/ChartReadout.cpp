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
    const double hours = span->hours + double(HoursPerDay) * chartDay;
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!options.kinds[kind]) continue;
        const double now = CycleLevel(tables, kind, hours);
        const double next = CycleLevel(tables, kind, hours + HoursPerDay);
        const bool crosses = now == 0 || (now < 0) != (next < 0);
        day.items.push_back({kind, 100 * now, next > now, kind <= LastPrimaryKind && crosses});
    }
    day.moonPhase = moon::PhaseNameOfDay(day.date);
    return day;
}

namespace {

const QString Separator = QStringLiteral(" \u00B7 ");

QString DayText(const DayReadout& day) {
    static const char* const Weekdays[] = {"Minggu", "Senin", "Selasa", "Rabu",
                                           "Kamis",  "Jumat", "Sabtu"};
    static const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    return QString::fromLatin1(Weekdays[cal::Weekday(day.date) - 1]) + u' ' +
           day.date.toString(QStringLiteral("dd-MM-yyyy")) + Separator +
           QStringLiteral("hari ke-") + indonesian.toString(day.dayNumber);
}

QString MoonText(const DayReadout& day) {
    return QStringLiteral("Bulan: ") + day.moonPhase;
}

// "+87,3", "-12,0", "0,0"
QString Value(double percent) {
    QString value = PercentText(percent).replace(u'.', u',');
    if (value != QLatin1String("0,0") && !value.startsWith(u'-')) value.prepend(u'+');
    return value;
}

QString Mark(const DayReadout::Item& item) {
    return item.critical ? QStringLiteral("kritis")
           : item.rising ? QStringLiteral("\u2191")
                         : QStringLiteral("\u2193");
}

// Each cycle as "Fisik +87,3% ↑", or briefly as "F +87,3↑".
QStringList Cycles(const DayReadout& day, bool brief) {
    static const char Letters[] = " FEIUPWM"; // the cycle boxes' Alt+letters
    QStringList cycles;
    for (const DayReadout::Item& item : day.items) {
        const QString mark = Mark(item);
        cycles << (brief
                       ? QChar::fromLatin1(Letters[item.kind]) + (u' ' + Value(item.percent)) +
                             (item.critical ? u' ' + mark : mark)
                       : CycleCaption(item.kind) + u' ' + Value(item.percent) + u'%' + u' ' + mark);
    }
    return cycles;
}

} // namespace

QString ReadoutText(const DayReadout& day) {
    return (QStringList{DayText(day)} + Cycles(day, false) + QStringList{MoonText(day)})
        .join(Separator);
}

ReadoutLines ReadoutLinesOf(const DayReadout& day) {
    return {DayText(day) + Separator + MoonText(day), Cycles(day, false).join(Separator),
            Cycles(day, true).join(Separator)};
}

QString ReadoutTip(const DayReadout& day) {
    return (QStringList{DayText(day)} + Cycles(day, false) + QStringList{MoonText(day)})
        .join(u'\n');
}

} // namespace chart
