#include "ui/compare/CompareMenu.h"

#include "util/Calendar.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CompareMenu::CompareMenu(QMainWindow* window, std::function<const people::FriendList&()> people,
                         std::function<void()> changed, std::function<void()> showAgreement)
    : QObject(window), m_menu(window->menuBar()->addMenu(QStringLiteral("Ban&dingkan"))),
      m_people(std::move(people)), m_changed(std::move(changed)),
      m_showAgreement(std::move(showAgreement)) {
    connect(m_menu, &QMenu::aboutToShow, this, &CompareMenu::Fill);
    Fill(); // so the keyboard reaches it before it is first opened
}

void CompareMenu::Fill() {
    m_menu->clear();
    QAction* agreement = m_menu->addAction(QStringLiteral("&Kecocokan..."));
    agreement->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(agreement, &QAction::triggered, this, [this] { m_showAgreement(); });
    m_menu->addSeparator();
    auto* group = new QActionGroup(m_menu);
    const QStringList names = m_people().Names();
    for (const QString& name : names) {
        // A name's "&" is a letter, not a keyboard mark.
        QAction* a = m_menu->addAction(QStringLiteral("Bandingkan dengan ") +
                                       people::ShownName(name).replace(u'&', QStringLiteral("&&")));
        a->setCheckable(true);
        a->setChecked(name == m_name);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] { Choose(name); });
    }
    m_menu->addSeparator();
    QAction* none = m_menu->addAction(QStringLiteral("&Tanpa pembanding"));
    none->setEnabled(!m_name.isEmpty());
    connect(none, &QAction::triggered, this, [this] { Choose(QString()); });
}

QDate CompareMenu::Birth() const {
    const people::FriendList& people = m_people();
    const auto index = m_name.isEmpty() ? -1 : people.Names().indexOf(m_name);
    m_drawn = index < 0 ? QDate() : people.BirthDate(std::int32_t(index));
    return m_drawn;
}

void CompareMenu::Choose(const QString& name) {
    if (name == m_name) return;
    m_name = name;
    if (m_changed) m_changed();
    if (Chosen) Chosen(m_name);
}

void CompareMenu::PeopleChanged() {
    if (m_name.isEmpty()) return;
    if (!m_people().Names().contains(m_name)) m_name.clear();
    const QDate drawn = m_drawn;
    if (Birth() != drawn && m_changed) m_changed(); // re-dated or gone, not drawn yet
}
