#include "ui/compare/CompareMenu.h"

#include "ui/widgets/Words.h"
#include "util/Calendar.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CompareMenu::CompareMenu(QMainWindow* window, const chart::ChartState& state,
                         std::function<const people::FriendList&()> people,
                         std::function<void()> changed, std::function<void()> showAgreement)
    : QObject(window), m_state(state), m_menu(window->menuBar()->addMenu(QString())),
      m_people(std::move(people)), m_changed(std::move(changed)),
      m_showAgreement(std::move(showAgreement)) {
    words::KeepText(m_menu->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "Ban&dingkan"));
    connect(m_menu, &QMenu::aboutToShow, this, [this] { Fill(); });
    Fill(false); // so the keyboard reaches it before it is first opened; the people when opened
}

void CompareMenu::Fill(bool withPeople) {
    m_menu->clear();
    QAction* agreement = m_menu->addAction(QString());
    words::KeepText(agreement, QT_TRANSLATE_NOOP("Ondulix", "&Kecocokan..."));
    agreement->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(agreement, &QAction::triggered, this, [this] { m_showAgreement(); });
    m_menu->addSeparator();
    auto* group = new QActionGroup(m_menu);
    const people::FriendList& list = m_people();
    for (std::int32_t i = 0; withPeople && i <= list.FriendCount; ++i) {
        // A name's "&" is a letter, not a keyboard mark.
        QAction* a = m_menu->addAction(
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Bandingkan dengan ")) +
            people::ShownName(list.FriendName[i]).replace(u'&', QStringLiteral("&&")));
        a->setCheckable(true);
        const people::PersonId person = list.Id(i);
        a->setChecked(person == m_person);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, person] { Choose(person); });
    }
    m_menu->addSeparator();
    QAction* none = m_menu->addAction(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "&Tanpa pembanding")));
    none->setEnabled(m_person != people::NoPerson);
    connect(none, &QAction::triggered, this, [this] { Choose(people::NoPerson); });
}

QDate CompareMenu::Birth() const {
    const people::FriendList& people = m_people();
    const std::int32_t index = m_person == people::NoPerson ? -1 : people.IndexOf(m_person);
    return index < 0 ? QDate() : people.BirthDate(index);
}

QString CompareMenu::Name() const {
    const people::FriendList& people = m_people();
    const std::int32_t index = m_person == people::NoPerson ? -1 : people.IndexOf(m_person);
    return index < 0 ? QString() : people::ShownName(people.FriendName[index]);
}

void CompareMenu::Choose(people::PersonId person) {
    if (person == m_person) return;
    m_person = person;
    if (m_changed) m_changed();
    if (Chosen) Chosen(m_person);
}

void CompareMenu::PeopleChanged() {
    if (m_person == people::NoPerson) return;
    if (m_people().IndexOf(m_person) < 0) m_person = people::NoPerson;
    // Re-dated or gone, and not drawn so by the change itself.
    if (Birth() != m_state.Options().compare && m_changed) m_changed();
}
