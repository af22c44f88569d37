#pragma once

#include <QLabel>

namespace chart {
class ChartState;
}

// Over the chart, while comparing: whose curves are solid and whose dashed,
// each with their birth date ("━━ Anda, lahir 8 Januari 1980   ╍╍ Ani, lahir
// 12 Juni 1990"), the names alone where the dates do not fit. Hidden
// otherwise. It follows the chart state: each chart drawn, each rename.
class ComparisonKey final : public QLabel {
    Q_OBJECT

public:
    ComparisonKey(QWidget* parent, const chart::ChartState& state);

private:
    void Follow();

    const chart::ChartState& m_state;
};
