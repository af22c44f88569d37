#pragma once

#include "chart/CycleModel.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// How well two people's cycles agree. Both curves of a kind share its period,
// so the figure and the lead depend only on the days between the two births,
// never on the day shown.
namespace chart {

// A primary kind's period in days: 23, 28, 33, 38.
std::int32_t PeriodDays(std::int32_t kind);

// 0..100 for kind 1..7, `daysApart` = the second birth minus the first:
// 50 (1 + cos(2 pi d / T)) for a primary kind, the correlation of the two
// curves over a period; for a combined kind, with the mean of its two cosines.
// Exact where the cosine is (d a multiple of T / 4).
double Agreement(std::int32_t kind, std::int64_t daysApart);

// The mean over the ticked kinds; nothing ticked: 100.
double OverallAgreement(const KindSet& kinds, std::int64_t daysApart);

// Days one primary curve runs ahead of the other, the shorter way round; the
// first person's curve is ahead when `firstAhead`.
struct Lead {
    std::int32_t days;
    bool firstAhead;
};
Lead CycleLead(std::int32_t kind, std::int64_t daysApart);

// "sejalan" (in step), or who runs ahead: "Anda 3 hari lebih dulu".
QString LeadText(std::int32_t kind, std::int64_t daysApart, const QString& first,
                 const QString& second);

// How the figure is computed, in a sentence, for the user.
QString AgreementMethod();

// One line per ticked kind, "Fisik\t100.0", then "Rata-rata\t" and their mean.
QString AgreementLines(const KindSet& kinds, std::int64_t daysApart);

// Indices of `births` best first by the overall agreement with `birth`; ties
// keep their order (the friends list's, by name).
std::vector<std::size_t> RankByAgreement(QDate birth, const std::vector<QDate>& births,
                                         const KindSet& kinds);

} // namespace chart
