#include "people/UpcomingBirthdays.h"

#include <algorithm>

namespace people {

std::vector<UpcomingBirthday> UpcomingBirthdays(const FriendList& list, QDate today,
                                                std::int32_t days) {
    std::vector<UpcomingBirthday> upcoming;
    for (std::int32_t i = 0; i <= list.FriendCount; ++i) {
        const QDate birth = list.BirthDate(i);
        if (!birth.isValid()) continue;
        const bool leapDay = birth.month() == 2 && birth.day() == 29;
        // QDate(y, 2, 29) is invalid in a common year: the 28th stands in.
        auto in = [&](int year) {
            const QDate d(year, birth.month(), birth.day());
            return d.isValid() ? d : QDate(year, 2, 28);
        };
        QDate next = in(today.year());
        if (next < today) next = in(today.year() + 1);
        const auto left = static_cast<std::int32_t>(today.daysTo(next));
        const std::int32_t age = next.year() - birth.year();
        if (left <= days && age >= 1)
            upcoming.push_back(
                {list.Id(i), list.FriendName[i], next, left, age, leapDay && next.day() == 28});
    }
    std::stable_sort(upcoming.begin(), upcoming.end(),
                     [](const auto& a, const auto& b) { return a.daysLeft < b.daysLeft; });
    return upcoming;
}

} // namespace people
