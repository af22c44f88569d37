#pragma once

#include "chart/ChartState.h"
#include "people/FriendList.h"
#include "people/Names.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>

class QMainWindow;
class QMenu;

// The "Bandingkan" menu: a second person from the friends list (the own entry
// included) whose curves the chart shows beside the first's, or none. It
// remembers the person by identity: a renamed friend stays compared, a
// removed one ends it.
class CompareMenu final : public QObject {
public:
    // `people`: the friends list as it is now; `changed`: the choice changed
    // (draw again); `showAgreement`: opens the "Kecocokan" panel.
    CompareMenu(QMainWindow* window, const chart::ChartState& state,
                std::function<const people::FriendList&()> people, std::function<void()> changed,
                std::function<void()> showAgreement);

    // The second person's birth date; invalid when none is chosen. The chart
    // reads it when it draws.
    QDate Birth() const;
    // The second person as the window names them; empty when none.
    QString Name() const;
    people::PersonId Person() const { return m_person; }
    // Chooses a listed person (NoPerson ends the comparison), as the menu does.
    void Choose(people::PersonId person);
    // The people changed: a comparison whose person is gone has ended; the
    // chart is drawn again unless the change's own draw already showed it.
    void PeopleChanged();

    // The user chose (NoPerson for none), after the chart shows it.
    std::function<void(people::PersonId)> Chosen;

private:
    void Fill(bool withPeople = true);

    const chart::ChartState& m_state; // what the chart shows
    QMenu* m_menu;
    std::function<const people::FriendList&()> m_people;
    std::function<void()> m_changed;
    std::function<void()> m_showAgreement;
    people::PersonId m_person = people::NoPerson;
};
