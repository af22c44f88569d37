#include "chart/ChartState.h"

namespace chart {

void ChartState::Prime(const ChartOptions& options, people::PersonId person,
                       people::PersonId compared) {
    m_options = options;
    m_person = person;
    m_compared = compared;
    m_span = ChooseChartSpan(options.birth, options.display, options.centre);
}

void ChartState::Set(const ChartOptions& options, people::PersonId person,
                     people::PersonId compared) {
    Prime(options, person, compared);
    emit Changed();
}

void ChartState::Rename(const QString& person, const QString& compared) {
    m_options.person = person;
    if (m_options.compare.isValid()) m_options.comparePerson = compared;
    emit Renamed();
}

} // namespace chart
