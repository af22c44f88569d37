#pragma once

#include "chart/DrawChart.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// One day of the chart read out: its date, its day number since birth, each
// ticked cycle's value with its direction and a mark where a primary cycle
// crosses zero that day (a "critical" day), and the moon's phase.
namespace chart {

struct DayReadout {
    struct Item {
        std::int32_t kind;
        double percent; // at the start of the day, as the chart and the CSV give it
        bool rising;    // higher at the start of the next day
        bool critical;  // a primary cycle that crosses zero during the day
    };
    QDate date;
    std::int32_t dayNumber = 0;
    std::vector<Item> items;
    QString moonPhase;
    QString moonBefore; // the day before's, to say only a change
    // With a comparison: both people, named, and the second one's day.
    struct Other {
        QString first;                         // the chart's person
        QString person;                        // the second
        std::optional<std::int32_t> dayNumber; // none before their birth
        std::vector<Item> items;
    };
    std::optional<Other> other;
};

// Whose chart, to name the person beside another: the name, or "Anda".
QString FirstPersonName(const ChartOptions& options);
// The second person's name, or "lahir 3 Mei 1962".
QString SecondPersonName(const ChartOptions& options);

// Chart day 0..59 of the chart `options` describe; nothing outside the 60
// days or when the birth date is after the display date.
std::optional<DayReadout> ReadDay(const ChartOptions& options, std::int32_t chartDay);

// Numbers in the Indonesian style throughout: a dot groups thousands, a
// comma marks decimals.
//
// "Senin 14-03-2005 · hari ke-16.512 · Fisik +87,3% ↑ · Emosi -12,0% ↓ ·
// Intelektual 0,0% kritis · Bulan: purnama"
QString ReadoutText(const DayReadout& day);

// The readout in two lines, for the line under the chart, in the layouts
// to try from the most to the least spelled out; the first that fits is
// shown. One person: the day and the moon, then the cycles by name ("Fisik
// +87,3% ↑ · ...") or by their keyboard letters ("F +87,3↑ · E -12,0↓ · I
// 0,0 kritis"). Two: a line each ("Senin 14-03-2005 · Budi: F +87,3↑ ...",
// "Ani: F -3,0↓ ... · Bulan: purnama"), then without the weekday and moon.
struct ReadoutLines {
    QString first;
    QString second;
};
std::vector<ReadoutLines> ReadoutLayouts(const DayReadout& day);

// With a comparison the cycles are told per person: "Budi: Fisik +87,3% ↑ ·
// ... · Ani: Fisik -3,0% ↓ · ...", and "Ani: belum lahir" before their birth.
//
// Several short lines, for a tooltip: the day, one line per cycle, the moon.
QString ReadoutTip(const DayReadout& day);

// "8 Desember 2026".
QString LongDateId(QDate date);

// "Senin 8 Desember 2026" (`withYear`) or "Senin 8 Desember".
QString SpokenDate(QDate date, bool withYear);

// The readout as a screen reader says it, key after key: short, what changes
// first. "Senin 8 Desember: Fisik 94 naik, Emosi minus 28 turun. Kritis:
// Intelektual. Bulan: purnama." The moon only on the day its phase changes.
QString SpokenReadout(const DayReadout& day);

// What a chart shows, in a sentence: whose, the birth date, the 60 days and
// the ticked cycles; nothing for a chart that cannot be drawn.
QString ChartSummary(const ChartOptions& options);

} // namespace chart
