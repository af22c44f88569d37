#pragma once

#include "people/FriendList.h"

#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <functional>

// Every change to the people (the own birth date saved, a friend added,
// re-dated or removed) as a step that can be undone and redone for as long
// as the program runs. A step holds the whole list before and after: lists
// are small and their texts shared, and a whole list cannot be put back
// half.
namespace people {

class PeopleHistory {
public:
    // Puts a list in place (the window's list, its picker on person `shown`,
    // the settings file). `keepViewed`: an undo or redo, after which the
    // person viewed stays viewed when the list still has them; `shown` is
    // for when it does not.
    using Apply = std::function<void(const FriendList& list, PersonId shown, bool keepViewed)>;
    explicit PeopleHistory(Apply apply);

    QUndoStack& Stack() { return m_stack; }

    // Makes the change from `before` to `after`, as a step called `action`
    // ("tambah Budi"); `notice` is what the window then says. A change that
    // changes nothing is applied, but is no step.
    void Change(const FriendList& before, PersonId shownBefore, const FriendList& after,
                PersonId shownAfter, const QString& action, const QString& notice);

    // After each change, undo and redo: what to tell the user, and whether
    // the step was undone (the notice then offers to redo it).
    std::function<void(const QString& notice, bool undone)> Told;

private:
    friend class PeopleStep;
    Apply m_apply;
    QUndoStack m_stack;
};

// The notices, dates as dd-MM-yyyy: "Tanggal lahir Budi: 15-08-1995 → 16-08-1995".
QString DateNotice(const QString& whose, const cal::DateTrio& from, const cal::DateTrio& to);
QString AddedNotice(const QString& name, const cal::DateTrio& birth);
QString RemovedNotice(const QString& name, const cal::DateTrio& birth);
// dd-MM-yyyy
QString ShownDate(const cal::DateTrio& trio);

bool SameList(const FriendList& a, const FriendList& b);

} // namespace people
