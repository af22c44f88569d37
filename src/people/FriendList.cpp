#include "people/FriendList.h"

#include "util/Checked.h"
#include "util/RuntimeError.h"

#include <atomic>

namespace people {

namespace {

PersonId NewId() {
    static std::atomic<PersonId> next{OwnId + 1};
    return next++;
}

} // namespace

FriendList::FriendList() {
    FriendName[0] = OwnEntryName;
    m_ids[0] = OwnId;
}

std::int32_t FriendList::IndexOf(PersonId id) const {
    for (std::int32_t i = 0; i <= FriendCount; ++i)
        if (m_ids[i] == id) return i;
    return -1;
}

Friend FriendList::Entry(std::int32_t index) const {
    return {FriendName[index], {FriendDay[index], FriendMonth[index], FriendYear[index]}};
}

void FriendList::SetDate(std::int32_t index, const cal::DateTrio& birth) {
    FriendDay[index] = birth.day;
    FriendMonth[index] = birth.month;
    FriendYear[index] = birth.year;
}

QDate FriendList::BirthDate(std::int32_t index) const {
    try {
        return cal::ParseDateText(cal::TrioText(Entry(index).birth));
    } catch (const TypeMismatchError&) {
        return {};
    }
}

QStringList FriendList::Names() const {
    QStringList names;
    names.reserve(FriendCount + 1);
    for (std::int32_t i = 0; i <= FriendCount; ++i)
        names << FriendName[i];
    return names;
}

std::int32_t FriendList::Find(const QString& name) const {
    for (std::int32_t i = 1; i <= FriendCount; ++i)
        if (FriendName[i] == name) return i;
    return -1;
}

void FriendList::Load(const cal::DateTrio& ownBirth, const std::vector<Friend>& friends) {
    FriendName[0] = OwnEntryName;
    SetDate(0, ownBirth);
    FriendCount = 0;
    for (const Friend& f : friends) {
        if (FriendCount == MaxFriends) break;
        FriendCount = checked::Add(FriendCount, 1);
        FriendName[FriendCount] = f.name;
        SetDate(FriendCount, f.birth);
        m_ids[FriendCount] = NewId();
    }
}

FriendList::SaveResult FriendList::Place(const QString& name) const {
    if (name.isEmpty()) return {SaveOutcome::OwnDate, 0};
    std::int32_t index = 1;
    for (; index <= FriendCount; ++index) {
        if (FriendName[index] == name) return {SaveOutcome::Updated, index};
        if (name < FriendName[index]) break; // by character code
    }
    if (FriendCount >= MaxFriends) return {SaveOutcome::Full, -1};
    return {SaveOutcome::Inserted, index};
}

FriendList::SaveResult FriendList::Save(const QString& name, const cal::DateTrio& birth) {
    const SaveResult place = Place(name);
    if (place.outcome == SaveOutcome::Inserted)
        Insert(place.index, {name, birth});
    else if (place.outcome != SaveOutcome::Full)
        SetDate(place.index, birth);
    return place;
}

void FriendList::Insert(std::int32_t index, const Friend& entry) {
    FriendCount = checked::Add(FriendCount, 1);
    for (std::int32_t j = FriendCount; j >= checked::Add(index, 1); --j)
        Copy(j, j - 1);
    FriendName[index] = entry.name;
    SetDate(index, entry.birth);
    m_ids[index] = NewId();
}

void FriendList::Remove(std::int32_t index) {
    for (std::int32_t i = index; i <= FriendCount - 1; ++i)
        Copy(i, i + 1);
    FriendCount = checked::Sub(FriendCount, 1);
}

FriendList::RenameResult FriendList::Rename(std::int32_t index, const QString& newName) {
    if (index < 1 || index > FriendCount) return {RenameOutcome::NotAFriend, -1};
    if (newName.isEmpty()) return {RenameOutcome::EmptyName, -1};
    if (newName == FriendName[index]) return {RenameOutcome::Renamed, index};
    if (Find(newName) >= 0) return {RenameOutcome::NameTaken, -1};
    const cal::DateTrio birth = Entry(index).birth;
    const PersonId id = m_ids[index]; // the same person under another name
    Remove(index);
    const std::int32_t now = Save(newName, birth).index;
    m_ids[now] = id;
    return {RenameOutcome::Renamed, now};
}

void FriendList::Copy(std::int32_t to, std::int32_t from) {
    FriendName[to] = FriendName[from];
    FriendDay[to] = FriendDay[from];
    FriendMonth[to] = FriendMonth[from];
    FriendYear[to] = FriendYear[from];
    m_ids[to] = m_ids[from];
}

} // namespace people
