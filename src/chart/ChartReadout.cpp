#include "chart/ChartReadout.h"

#include "chart/ChartValues.h"
#include "chart/CriticalDays.h"
#include "moon/MoonPhase.h"
#include "people/Names.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace chart {

namespace {

// Day `day` since birth.
std::vector<DayReadout::Item> ItemsAt(const CycleTables& tables, const KindSet& kinds,
                                      std::int64_t day) {
    std::vector<DayReadout::Item> items;
    const double hours = double(day) * HoursPerDay;
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!kinds[kind]) continue;
        const double now = CycleLevel(tables, kind, hours);
        const double next = CycleLevel(tables, kind, hours + HoursPerDay);
        items.push_back({kind, 100 * now, next > now, IsCritical(kind, day)});
    }
    return items;
}

} // namespace

std::optional<DayReadout> ReadDay(const ChartOptions& options, std::int32_t chartDay) {
    if (chartDay < 0 || chartDay >= ChartDayCount) return std::nullopt;
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return std::nullopt;
    const CycleTables tables = MakeCycleTables();
    DayReadout day;
    day.date = cal::AddDays(span->start, chartDay);
    day.dayNumber = cal::DiffDays(options.birth, day.date);
    day.items = ItemsAt(tables, options.kinds, day.dayNumber);
    if (options.compare.isValid()) {
        DayReadout::Other other{FirstPersonName(options), SecondPersonName(options), {}, {}};
        if (options.compare <= day.date) {
            other.dayNumber = cal::DiffDays(options.compare, day.date);
            other.items = ItemsAt(tables, options.kinds, *other.dayNumber);
        }
        day.other = std::move(other);
    }
    day.moonPhase = moon::PhaseNameOfDay(day.date, options.trueMoon);
    day.moonBefore = moon::PhaseNameOfDay(day.date.addDays(-1), options.trueMoon);
    return day;
}

namespace {

const QString Separator = QStringLiteral(" \u00B7 ");

using words::Tr;

QString WeekdayOf(QDate date) {
    static const char* const Weekdays[] = {
        QT_TRANSLATE_NOOP("Ondulix", "Minggu"), QT_TRANSLATE_NOOP("Ondulix", "Senin"),
        QT_TRANSLATE_NOOP("Ondulix", "Selasa"), QT_TRANSLATE_NOOP("Ondulix", "Rabu"),
        QT_TRANSLATE_NOOP("Ondulix", "Kamis"),  QT_TRANSLATE_NOOP("Ondulix", "Jumat"),
        QT_TRANSLATE_NOOP("Ondulix", "Sabtu")};
    return Tr(Weekdays[cal::Weekday(date) - 1]);
}

QString DayNumber(std::int32_t number) {
    return Tr(QT_TRANSLATE_NOOP("Ondulix", "hari ke-")) + words::Locale().toString(number);
}

// With a comparison the day numbers go with each person's cycles.
QString DayText(const DayReadout& day) {
    const QString date =
        WeekdayOf(day.date) + u' ' + day.date.toString(QStringLiteral("dd-MM-yyyy"));
    return day.other ? date : date + Separator + DayNumber(day.dayNumber);
}

QString MoonText(const DayReadout& day) {
    return Tr(QT_TRANSLATE_NOOP("Ondulix", "Bulan: ")) + day.moonPhase;
}

// "+87,3", "-12,0", "0,0" (a point in English)
QString Value(double percent) {
    QString value = PercentText(percent).replace(u'.', words::Locale().decimalPoint());
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    if (value.contains(nonZero) && !value.startsWith(u'-')) value.prepend(u'+');
    return value;
}

QString Mark(const DayReadout::Item& item) {
    return item.critical ? Tr(QT_TRANSLATE_NOOP("Ondulix", "kritis"))
           : item.rising ? QStringLiteral("\u2191")
                         : QStringLiteral("\u2193");
}

// Each cycle as "Fisik +87,3% ↑", or briefly as "F +87,3↑".
QStringList CyclesOf(const std::vector<DayReadout::Item>& items, bool brief) {
    static const char Letters[] = " FEIUPWM"; // the cycle boxes' Alt+letters
    QStringList cycles;
    for (const DayReadout::Item& item : items) {
        const QString mark = Mark(item);
        cycles << (brief
                       ? QChar::fromLatin1(Letters[item.kind]) + (u' ' + Value(item.percent)) +
                             (item.critical ? u' ' + mark : mark)
                       : CycleCaption(item.kind) + u' ' + Value(item.percent) + u'%' + u' ' + mark);
    }
    return cycles;
}

// The cycles; with a comparison, each person's after their name ("Budi: Fisik
// ..."), with their day numbers unless `brief`.
QStringList Cycles(const DayReadout& day, bool brief, bool numbered = false) {
    if (!day.other) return CyclesOf(day.items, brief);
    const auto whose = [&](const QString& person, std::optional<std::int32_t> number) {
        return person +
               (numbered && number ? QStringLiteral(", ") + DayNumber(*number) : QString()) +
               QStringLiteral(": ");
    };
    QStringList first = CyclesOf(day.items, brief), second = CyclesOf(day.other->items, brief);
    const QString none = Tr(QT_TRANSLATE_NOOP("Ondulix", "tidak ada siklus"));
    if (first.isEmpty()) first << none;
    if (!day.other->dayNumber)
        second = {Tr(QT_TRANSLATE_NOOP("Ondulix", "belum lahir"))};
    else if (second.isEmpty())
        second << none;
    first[0].prepend(whose(day.other->first, day.dayNumber));
    second[0].prepend(whose(day.other->person, day.other->dayNumber));
    return first + second;
}

} // namespace

QString LongDateId(QDate date) {
    return words::Locale().toString(date, Tr(QT_TRANSLATE_NOOP("Ondulix", "d MMMM yyyy")));
}

QString ReadoutText(const DayReadout& day) {
    return (QStringList{DayText(day)} + Cycles(day, false, true) + QStringList{MoonText(day)})
        .join(Separator);
}

std::vector<ReadoutLines> ReadoutLayouts(const DayReadout& day) {
    const QString top = DayText(day) + Separator + MoonText(day);
    if (!day.other)
        return {{top, Cycles(day, false).join(Separator)},
                {top, Cycles(day, true).join(Separator)}};
    // Each person a line of their own: the first's items end where the second's name begins.
    const QString second = day.other->person + QStringLiteral(": ");
    std::vector<ReadoutLines> layouts;
    for (const bool brief : {false, true}) {
        const QString both = Cycles(day, brief).join(Separator);
        const qsizetype cut = both.indexOf(Separator + second);
        const QString a = both.left(cut), b = both.mid(cut + Separator.size());
        layouts.push_back({DayText(day) + Separator + a, b + Separator + MoonText(day)});
        if (brief)
            layouts.push_back({day.date.toString(QStringLiteral("dd-MM-yyyy")) + Separator + a, b});
    }
    return layouts;
}

QString ReadoutTip(const DayReadout& day) {
    return (QStringList{DayText(day)} + Cycles(day, false, true) + QStringList{MoonText(day)})
        .join(u'\n');
}

QString SpokenDate(QDate date, bool withYear) {
    return WeekdayOf(date) +
           QStringLiteral(" %1 %2").arg(date.day()).arg(words::Locale().monthName(date.month())) +
           (withYear ? u' ' + QString::number(date.year()) : QString());
}

namespace {

// "Fisik 94 naik, Emosi minus 28 turun." then " Kritis: Fisik."
QString SpokenCycles(const std::vector<DayReadout::Item>& items) {
    QStringList cycles, critical;
    for (const DayReadout::Item& item : items) {
        const long whole = std::lround(item.percent);
        cycles << CycleCaption(item.kind) + u' ' +
                      (whole < 0 ? Tr(QT_TRANSLATE_NOOP("Ondulix", "minus %1")).arg(-whole)
                                 : QString::number(whole)) +
                      (item.rising ? Tr(QT_TRANSLATE_NOOP("Ondulix", " naik"))
                                   : Tr(QT_TRANSLATE_NOOP("Ondulix", " turun")));
        if (item.critical) critical << CycleCaption(item.kind);
    }
    QString text = (cycles.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Ondulix", "tidak ada siklus"))
                                     : cycles.join(u", ")) +
                   u'.';
    if (!critical.isEmpty())
        text += Tr(QT_TRANSLATE_NOOP("Ondulix", " Kritis: ")) + critical.join(u", ") + u'.';
    return text;
}

} // namespace

QString SpokenReadout(const DayReadout& day) {
    QString text = SpokenDate(day.date, false);
    if (!day.other) {
        text += QStringLiteral(": ") + SpokenCycles(day.items);
    } else {
        text += QStringLiteral(". ") + day.other->first + QStringLiteral(": ") +
                SpokenCycles(day.items) + u' ' + day.other->person + QStringLiteral(": ") +
                (day.other->dayNumber ? SpokenCycles(day.other->items)
                                      : Tr(QT_TRANSLATE_NOOP("Ondulix", "belum lahir")) + u'.');
    }
    if (day.moonBefore != day.moonPhase)
        text += u' ' + Tr(QT_TRANSLATE_NOOP("Ondulix", "Bulan: ")) + day.moonPhase + u'.';
    return text;
}

QString FirstPersonName(const ChartOptions& options) {
    return options.person.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Ondulix", "Anda")) : options.person;
}

QString SecondPersonName(const ChartOptions& options) {
    return options.comparePerson.isEmpty()
               ? Tr(QT_TRANSLATE_NOOP("Ondulix", "lahir ")) + LongDateId(options.compare)
               : options.comparePerson;
}

QString ChartSummary(const ChartOptions& options) {
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    if (!span) return {};
    QStringList cycles;
    for (int k = FirstKind; k <= LastKind; ++k)
        if (options.kinds[k]) cycles << CycleCaption(k);
    QString summary =
        Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik %1, lahir %2: %3 hari, %4 sampai %5. Siklus: %6."))
            .arg(FirstPersonName(options), LongDateId(options.birth),
                 QString::number(ChartDayCount), LongDateId(span->start),
                 LongDateId(cal::AddDays(span->start, ChartDayCount - 1)),
                 cycles.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Ondulix", "tidak ada"))
                                  : cycles.join(u", "));
    if (options.compare.isValid())
        summary +=
            Tr(QT_TRANSLATE_NOOP("Ondulix", " Dibandingkan dengan %1lahir %2, garis putus-putus."))
                .arg(options.comparePerson.isEmpty() ? QString()
                                                     : options.comparePerson + QStringLiteral(", "),
                     LongDateId(options.compare));
    return summary;
}

} // namespace chart
