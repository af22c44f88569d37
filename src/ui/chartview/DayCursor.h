#pragma once

#include "chart/ChartReadout.h"
#include "chart/ChartState.h"

#include <QDate>
#include <QWidget>
#include <functional>
#include <optional>

// The day cursor: a thin line at a day of the chart and a dot on each ticked
// curve, with that day's readout. It is a widget of its own over the plot
// window, so the chart's image (and every export of it) never holds it.
//
// The pointer moves it and leaving the chart hides it. With the focus (Tab or
// a click), Left and Right move it a day, Home and End to the first and last
// day, Page Up and Page Down a week; Enter makes its day the display date.
//
// It is also the chart for screen readers: a list of the chart's 60 days,
// named by what the chart shows; each day's item says that day, and the
// cursor's day is the focused item.
class DayCursor final : public QWidget {
public:
    // Over the chart that `state` says is drawn; it follows each draw.
    DayCursor(QWidget* parent, const chart::ChartState& state);

    // The chart day shown, nothing when hidden.
    std::optional<int> Day() const { return m_day; }
    void SetDay(std::optional<int> day);
    // The shown day's readout; empty when hidden.
    QString Readout() const { return m_readout; }
    const std::optional<chart::DayReadout>& Read() const { return m_read; }
    // What the chart shows, for screen readers: person, birth, the 60 days, cycles.
    QString Summary() const;

    // The chart was drawn again: the cursor keeps its date, or hides when the
    // date is no longer on the chart.
    void ChartRedrawn();

    // The keys it answers, with what each does, for the keyboard help.
    static QList<std::pair<QString, QString>> KeyHelp();

    std::function<void(const QString&)> ReadoutChanged;
    std::function<void(QDate)> DayChosen; // Enter

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Chart day under widget x.
    int DayAt(double x) const;
    double XOfDay(int day) const;
    // What the cursor covers at x: its line and dots.
    QRect Strip(std::optional<double> x) const;

    std::optional<chart::ChartOptions> Chart() const { return m_state.Options(); }
    const chart::ChartState& m_state;
    std::optional<int> m_day;
    std::optional<chart::DayReadout> m_read;
    QDate m_date; // the day shown, kept across redraws
    QString m_readout;
    std::optional<double> m_shownAt; // x of the line painted last
};
