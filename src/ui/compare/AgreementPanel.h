#pragma once

#include "chart/ChartState.h"
#include "chart/DrawChart.h"
#include "people/FriendList.h"
#include "people/Names.h"

#include <QDialog>
#include <functional>

class QLabel;
class QTreeWidget;

// "Kecocokan": how well the chart's person and the second person agree,
// cycle by cycle, with each primary cycle's lead and how the figure is made;
// below, everyone in the friends list ranked against the chart's person,
// best first. Picking a row makes that person the second one.
class AgreementPanel final : public QDialog {
public:
    struct Source {
        const chart::ChartState* chart; // the chart shown, whose it is and the comparison
        std::function<const people::FriendList&()> people;
        std::function<void(people::PersonId)> choose; // a listed person as the second one
    };
    AgreementPanel(QWidget* parent, Source source);

    // The chart or the people changed; nothing is done while the panel is hidden.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Name(); // the captions, in the language in use
    void ShowAgreement(const chart::ChartOptions& chart);
    void ShowRanking(const chart::ChartOptions& chart);

    Source m_source;
    QLabel* m_pair;
    QTreeWidget* m_cycles;
    QLabel* m_overall;
    QLabel* m_method;
    QLabel* m_rankTitle;
    QTreeWidget* m_ranking;
    QString m_ranked; // what the ranking was made from, to keep the user's row
};
