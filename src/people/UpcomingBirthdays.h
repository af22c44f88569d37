#pragma once

#include "people/FriendList.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// Whose birthday comes next.
namespace people {

struct UpcomingBirthday {
    PersonId person;       // OwnId: the own entry (the caller names it)
    QString name;          // as the list has it
    QDate date;            // the day of the birthday
    std::int32_t daysLeft; // 0 today
    std::int32_t age;      // the age turned that day
    bool movedFromLeapDay; // born 29 February, kept on 28 February in a common year
};

// Everyone in `list` (own entry included) whose next birthday, counting
// today's, is at most `days` days away (0: today's only): soonest first,
// ties in list order.
// Entries whose date cannot be read and people not yet a year old on that
// day are left out.
std::vector<UpcomingBirthday> UpcomingBirthdays(const FriendList& list, QDate today,
                                                std::int32_t days = 30);

} // namespace people
