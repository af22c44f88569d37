#include "chart/CycleModel.h"

#include "plot/modMathUtil.h"
#include "util/Checked.h"

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

QString CycleCaption(std::int32_t kind) {
    static const BoundedArray<const char*, FirstKind, LastKind> captions{
        "Fisik", "Emosi", "Intelektual", "Intuisi", "Passion", "Wisdom", "Mastery"};
    return QString::fromLatin1(captions[kind]);
}

std::int32_t PrimaryValue(const CycleTables& tables, std::int32_t kind, double H, double t) {
    return checked::Round(98 * SinDeg((t + H) * tables.CycleRate[kind]));
}

std::int32_t CombinedValue(const CycleTables& tables, std::int32_t p, std::int32_t q, double H,
                           double t) {
    const double s1 = SinDeg((t + H) * tables.CycleRate[q]);
    const double s2 = SinDeg((t + H) * tables.CycleRate[p]);
    return checked::Round(49 * (s1 + s2));
}

} // namespace chart
