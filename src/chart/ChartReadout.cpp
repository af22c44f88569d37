#include "chart/ChartReadout.h"

#include "chart/ChartValues.h"
#include "moon/MoonPhase.h"
#include "util/Calendar.h"

#include <QLocale>
#include <cmath>

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

QString WeekdayOf(QDate date) {
    static const char* const Weekdays[] = {"Minggu", "Senin", "Selasa", "Rabu",
                                           "Kamis",  "Jumat", "Sabtu"};
    return QString::fromLatin1(Weekdays[cal::Weekday(date) - 1]);
}

QString DayText(const DayReadout& day) {
    return WeekdayOf(day.date) + u' ' + day.date.toString(QStringLiteral("dd-MM-yyyy")) +
           Separator + QStringLiteral("hari ke-") + Indonesian().toString(day.dayNumber);
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

const QLocale& Indonesian() {
    static const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    return indonesian;
}

QString LongDateId(QDate date) {
    return Indonesian().toString(date, QStringLiteral("d MMMM yyyy"));
}

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

QString SpokenDate(QDate date, bool withYear) {
    return WeekdayOf(date) +
           QStringLiteral(" %1 %2").arg(date.day()).arg(Indonesian().monthName(date.month())) +
           (withYear ? u' ' + QString::number(date.year()) : QString());
}

QString SpokenReadout(const DayReadout& day) {
    QStringList cycles, critical;
    for (const DayReadout::Item& item : day.items) {
        const long whole = std::lround(item.percent);
        cycles << CycleCaption(item.kind) + u' ' +
                      (whole < 0 ? QStringLiteral("minus %1").arg(-whole)
                                 : QString::number(whole)) +
                      (item.rising ? QStringLiteral(" naik") : QStringLiteral(" turun"));
        if (item.critical) critical << CycleCaption(item.kind);
    }
    QString text = SpokenDate(day.date, false) + QStringLiteral(": ") +
                   (cycles.isEmpty() ? QStringLiteral("tidak ada siklus") : cycles.join(u", ")) +
                   u'.';
    if (!critical.isEmpty()) text += QStringLiteral(" Kritis: ") + critical.join(u", ") + u'.';
    if (moon::PhaseNameOfDay(day.date.addDays(-1)) != day.moonPhase)
        text += QStringLiteral(" Bulan: ") + day.moonPhase + u'.';
    return text;
}

QString ChartSummary(const ChartOptions& options) {
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return {};
    QStringList cycles;
    for (int k = FirstKind; k <= LastKind; ++k)
        if (options.kinds[k]) cycles << CycleCaption(k);
    return QStringLiteral("Grafik %1, lahir %2: %3 hari, %4 sampai %5. Siklus: %6.")
        .arg(options.person.isEmpty() ? QStringLiteral("Anda") : options.person,
             LongDateId(options.birth), QString::number(ChartDayCount), LongDateId(span->start),
             LongDateId(cal::AddDays(span->start, ChartDayCount - 1)),
             cycles.isEmpty() ? QStringLiteral("tidak ada") : cycles.join(u", "));
}

} // namespace chart
