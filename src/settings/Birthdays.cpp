#include "settings/Birthdays.h"

#include <algorithm>

namespace settings {

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
        if (left < days && age >= 1)
            upcoming.push_back(
                {i, list.FriendName[i], next, left, age, leapDay && next.day() == 28});
    }
    std::stable_sort(upcoming.begin(), upcoming.end(),
                     [](const auto& a, const auto& b) { return a.daysLeft < b.daysLeft; });
    return upcoming;
}

NameFinder::NameFinder(const QStringList& names) {
    m_folded.reserve(names.size());
    for (const QString& name : names)
        m_folded << Folded(name);
}

qsizetype NameFinder::Find(const QString& typed) const {
    const QString folded = Folded(typed);
    if (folded.isEmpty()) return -1;
    for (qsizetype i = 0; i < m_folded.size(); ++i)
        if (m_folded[i].contains(folded)) return i;
    return -1;
}

QString NameFinder::Folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark()) bare += c;
    return bare.toCaseFolded();
}

} // namespace settings
