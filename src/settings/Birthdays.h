#pragma once

#include "settings/FriendList.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Looking through the people: whose birthday comes next, and whose name
// holds what the user types.
namespace settings {

struct UpcomingBirthday {
    std::int32_t index;    // the entry: 0 is the own entry (the caller names it)
    QString name;          // as the list has it
    QDate date;            // the day of the birthday
    std::int32_t daysLeft; // 0 today
    std::int32_t age;      // the age turned that day
    bool movedFromLeapDay; // born 29 February, kept on 28 February in a common year
};

// Everyone in `list` (own entry included) whose next birthday, counting
// today's, is less than `days` days away: soonest first, ties in list order.
// Entries whose date cannot be read and people not yet a year old on that
// day are left out.
std::vector<UpcomingBirthday> UpcomingBirthdays(const FriendList& list, QDate today,
                                                std::int32_t days = 30);

// Finds names by typed text, ignoring letter case and accents ("ANH" finds
// "Ánh"; Qt's case folding maps one character to one, so "ss" does not find
// "ß"). The names are folded once, so each keystroke only searches.
class NameFinder {
public:
    explicit NameFinder(const QStringList& names);
    // Index of the first name that contains `typed`; -1 when none does or
    // nothing is typed.
    qsizetype Find(const QString& typed) const;
    // Compatibility decomposition, marks removed, case folded.
    static QString Folded(const QString& text);

private:
    QStringList m_folded;
};

} // namespace settings
