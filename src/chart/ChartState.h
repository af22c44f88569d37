#pragma once

#include "chart/DrawChart.h"
#include "people/FriendList.h"

#include <QObject>
#include <optional>

namespace chart {

// The chart the window shows: its options as the draw command read them from
// the controls (dates, centring, ticked kinds, whose chart and the second
// person, by identity and by name) and the span they imply, computed once.
// The views follow it; nobody reads the controls back.
class ChartState final : public QObject {
    Q_OBJECT

public:
    const ChartOptions& Options() const { return m_options; }
    people::PersonId Person() const { return m_person; }     // NoPerson: a name not listed
    people::PersonId Compared() const { return m_compared; } // NoPerson: none
    // Nothing when the birth date is after the display date.
    const std::optional<ChartSpan>& Span() const { return m_span; }
    // Chart day 0; the display date when there is no chart.
    QDate FirstDay() const { return m_span ? m_span->start : m_options.display; }

    // A draw: the new chart, then Changed once.
    void Set(const ChartOptions& options, people::PersonId person, people::PersonId compared);
    // Before the first draw: what it will show, told to no one.
    void Prime(const ChartOptions& options, people::PersonId person, people::PersonId compared);
    // The people were renamed: the names shown, with no new chart.
    void Rename(const QString& person, const QString& compared);

signals:
    void Changed();
    void Renamed();

private:
    ChartOptions m_options;
    people::PersonId m_person = people::OwnId;
    people::PersonId m_compared = people::NoPerson;
    std::optional<ChartSpan> m_span;
};

} // namespace chart
