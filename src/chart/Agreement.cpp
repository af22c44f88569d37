#include "chart/Agreement.h"

#include "util/Calendar.h"
#include "util/Words.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace chart {

namespace {

// cos(2 pi r / T) for 0 <= r < T, exact at the quarter turns.
double TurnCosine(std::int64_t r, std::int32_t period) {
    if (4 * r % period == 0) {
        static constexpr double Quarters[] = {1, 0, -1, 0};
        return Quarters[4 * r / period];
    }
    return std::cos(2 * std::numbers::pi * double(r) / period);
}

std::int64_t Phase(std::int64_t daysApart, std::int32_t period) {
    return ((daysApart % period) + period) % period;
}

double Cosine(std::int32_t kind, std::int64_t daysApart) {
    const std::int32_t period = PeriodDays(kind);
    return TurnCosine(Phase(daysApart, period), period);
}

QString OneDecimal(double value) {
    return QString::number(value, 'f', 1);
}

} // namespace

std::int32_t PeriodDays(std::int32_t kind) {
    // From the rate the chart draws with: 360 / (24 x period) degrees an hour.
    return static_cast<std::int32_t>(
        std::lround(360.0 / (HoursPerDay * MakeCycleTables().CycleRate[kind])));
}

double Agreement(std::int32_t kind, std::int64_t daysApart) {
    if (kind <= LastPrimaryKind) return 50 * (1 + Cosine(kind, daysApart));
    const Components c = CombinedComponents(kind);
    return 50 * (1 + (Cosine(c.p, daysApart) + Cosine(c.q, daysApart)) / 2);
}

double OverallAgreement(const KindSet& kinds, std::int64_t daysApart) {
    double sum = 0;
    int count = 0;
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind)
        if (kinds[kind]) sum += Agreement(kind, daysApart), ++count;
    return count == 0 ? 100 : sum / count;
}

Lead CycleLead(std::int32_t kind, std::int64_t daysApart) {
    const std::int32_t period = PeriodDays(kind);
    // The earlier born is `r` days further into the period on every day.
    const auto r = static_cast<std::int32_t>(Phase(daysApart, period));
    return r <= period - r ? Lead{r, true} : Lead{period - r, false};
}

QString LeadText(std::int32_t kind, std::int64_t daysApart, const QString& first,
                 const QString& second) {
    const Lead lead = CycleLead(kind, daysApart);
    return lead.days == 0 ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "sejalan"))
                          : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 %2 hari lebih dulu"))
                                .arg(lead.firstAhead ? first : second)
                                .arg(lead.days);
}

QString AgreementMethod() {
    return words::Tr(QT_TRANSLATE_NOOP(
        "Ondulix",
        "Tiap siklus: 50 \u00D7 (1 + cos(2\u03C0\u00B7\u0394/T)), dengan \u0394 selisih hari "
        "kedua tanggal lahir dan T panjang siklus: 100 bila kedua kurva sejalan, 0 bila "
        "berlawanan; siklus gabungan memakai rata-rata kedua kosinusnya, dan angka keseluruhan "
        "rata-rata siklus yang dicentang. Tidak bergantung pada hari yang ditampilkan."));
}

QString AgreementLines(const KindSet& kinds, std::int64_t daysApart) {
    QString lines;
    std::vector<double> shown;
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!kinds[kind]) continue;
        const QString value = OneDecimal(Agreement(kind, daysApart));
        shown.push_back(value.toDouble());
        lines += CycleCaption(kind) + u'\t' + value + u'\n';
    }
    // The mean of the lines as printed, so a reader can check it.
    const double mean =
        shown.empty() ? 100 : std::accumulate(shown.begin(), shown.end(), 0.0) / shown.size();
    return lines + QStringLiteral("Rata-rata\t") + OneDecimal(mean) + u'\n';
}

std::vector<std::size_t> RankByAgreement(QDate birth, const std::vector<QDate>& births,
                                         const KindSet& kinds) {
    std::vector<std::size_t> order(births.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<double> score(births.size());
    for (std::size_t i = 0; i < births.size(); ++i)
        score[i] = OverallAgreement(kinds, cal::DiffDays(birth, births[i]));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return score[a] > score[b]; });
    return order;
}

} // namespace chart
