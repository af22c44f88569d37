#include "chart/CycleModel.h"

#include "plot/modMathUtil.h"
#include "util/Checked.h"

#include <QCoreApplication>

using modMathUtil::SinDeg;

namespace chart {

CycleTables MakeCycleTables() {
    CycleTables t;
    t.CycleRate[1] = 360.0 / 552;
    t.CycleRate[2] = 360.0 / 672;
    t.CycleRate[3] = 360.0 / 792;
    t.CycleRate[4] = 360.0 / 912;
    t.CycleColor[1] = QBColor(12);
    t.CycleColor[2] = QBColor(9);
    t.CycleColor[3] = QBColor(13);
    t.CycleColor[4] = RGB(0, 180, 0);
    t.CycleColor[5] = RGB(200, 200, 0);
    t.CycleColor[6] = RGB(0, 170, 180);
    t.CycleColor[7] = RGB(100, 100, 40);
    return t;
}

Components CombinedComponents(std::int32_t kind) {
    static const BoundedArray<Components, 5, LastKind> parts{{1, 2}, {2, 3}, {1, 3}};
    return parts[kind];
}

const char* CycleCaptionSource(std::int32_t kind) {
    static const BoundedArray<const char*, FirstKind, LastKind> captions{
        QT_TRANSLATE_NOOP("Ondulix", "Fisik"),       QT_TRANSLATE_NOOP("Ondulix", "Emosi"),
        QT_TRANSLATE_NOOP("Ondulix", "Intelektual"), QT_TRANSLATE_NOOP("Ondulix", "Intuisi"),
        QT_TRANSLATE_NOOP("Ondulix", "Passion"),     QT_TRANSLATE_NOOP("Ondulix", "Wisdom"),
        QT_TRANSLATE_NOOP("Ondulix", "Mastery")};
    return captions[kind];
}

QString CycleCaption(std::int32_t kind) {
    return QCoreApplication::translate("Ondulix", CycleCaptionSource(kind));
}

double PrimaryLevel(const CycleTables& tables, std::int32_t kind, double hours) {
    return SinDeg(hours * tables.CycleRate[kind]); // a kind past 4 has no rate: refused
}

double CycleLevel(const CycleTables& tables, std::int32_t kind, double hours) {
    if (kind <= LastPrimaryKind) return PrimaryLevel(tables, kind, hours);
    const Components c = CombinedComponents(kind);
    return (PrimaryLevel(tables, c.q, hours) + PrimaryLevel(tables, c.p, hours)) / 2;
}

std::int32_t PrimaryValue(const CycleTables& tables, std::int32_t kind, double H, double t) {
    return checked::Round(FullSwing * PrimaryLevel(tables, kind, t + H));
}

std::int32_t CombinedValue(const CycleTables& tables, std::int32_t p, std::int32_t q, double H,
                           double t) {
    // Half the swing of each of the two (98 x mean = 49 x sum, to the last bit).
    return checked::Round(FullSwing / 2 *
                          (PrimaryLevel(tables, q, t + H) + PrimaryLevel(tables, p, t + H)));
}

} // namespace chart
