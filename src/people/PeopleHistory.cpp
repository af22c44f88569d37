#include "people/PeopleHistory.h"

#include "util/Words.h"

#include <QUndoCommand>
#include <utility>

namespace people {

class PeopleStep final : public QUndoCommand {
public:
    PeopleStep(PeopleHistory& history, FriendList before, PersonId shownBefore, FriendList after,
               PersonId shownAfter, const QString& action, QString notice)
        : QUndoCommand(action), m_history(history), m_before(std::move(before)),
          m_after(std::move(after)), m_shownBefore(shownBefore), m_shownAfter(shownAfter),
          m_notice(std::move(notice)) {}

    void redo() override { Put(m_after, m_shownAfter, false); }
    void undo() override { Put(m_before, m_shownBefore, true); }

private:
    void Put(const FriendList& list, PersonId shown, bool undone) {
        m_history.m_apply(list, shown, std::exchange(m_made, true));
        if (m_history.Told) m_history.Told(m_notice, undone);
    }

    PeopleHistory& m_history;
    FriendList m_before, m_after;
    PersonId m_shownBefore, m_shownAfter;
    QString m_notice;
    bool m_made = false; // the first redo makes the change; later ones step
};

PeopleHistory::PeopleHistory(Apply apply) : m_apply(std::move(apply)) {}

void PeopleHistory::Change(const FriendList& before, PersonId shownBefore, const FriendList& after,
                           PersonId shownAfter, const QString& action, const QString& notice) {
    if (SameList(before, after)) {
        m_apply(after, shownAfter, false);
        return;
    }
    m_stack.push(new PeopleStep(*this, before, shownBefore, after, shownAfter, action, notice));
}

bool SameList(const FriendList& a, const FriendList& b) {
    if (a.FriendCount != b.FriendCount) return false;
    for (std::int32_t i = 0; i <= a.FriendCount; ++i) {
        const Friend x = a.Entry(i), y = b.Entry(i);
        if (x.name != y.name || x.birth.day != y.birth.day || x.birth.month != y.birth.month ||
            x.birth.year != y.birth.year)
            return false;
    }
    return true;
}

QString ShownDate(const cal::DateTrio& trio) {
    return cal::ParseDateText(cal::TrioText(trio)).toString(QStringLiteral("dd-MM-yyyy"));
}

QString DateNotice(const QString& whose, const cal::DateTrio& from, const cal::DateTrio& to) {
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir %1: %2 \u2192 %3"))
        .arg(whose, ShownDate(from), ShownDate(to));
}

QString AddedNotice(const QString& name, const cal::DateTrio& birth) {
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 ditambahkan, lahir %2"))
        .arg(name, ShownDate(birth));
}

QString RemovedNotice(const QString& name, const cal::DateTrio& birth) {
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 dihapus (lahir %2)"))
        .arg(name, ShownDate(birth));
}

} // namespace people
