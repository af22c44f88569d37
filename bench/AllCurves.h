#pragma once

#include "chart/DrawChart.h"

// The benchmarks' chart: every curve, centred, 1 January 1960 on 1 January 2000.
inline chart::ChartOptions AllCurves() {
    chart::ChartOptions o;
    o.birth = QDate(1960, 1, 1);
    o.display = QDate(2000, 1, 1);
    o.centre = true;
    for (int k = 1; k <= 7; ++k)
        o.kinds[k] = true;
    return o;
}
