#pragma once

#include "util/BoundedArray.h"
#include "util/Calendar.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace people {

// Who a person is while the program runs, whatever their row or name: handed
// out by the list, never reused. The own entry is always OwnId.
using PersonId = std::uint32_t;
inline constexpr PersonId NoPerson = 0;
inline constexpr PersonId OwnId = 1;

struct Friend {
    QString name;
    cal::DateTrio birth;
};

// The people the program charts: entry 0 is the user's own entry, entries
// 1..FriendCount the friends. Four parallel arrays, as the window and the
// settings file have always shared them, and each entry's identity: a copy
// of the list keeps them, so an undo step puts the same people back.
class FriendList {
public:
    static constexpr std::int32_t MaxFriends = 999;
    static inline const QString OwnEntryName = QStringLiteral("(Hari Ulang Tahun saya)");

    std::int32_t FriendCount = 0;
    BoundedArray<QString, 0, 999> FriendName;
    BoundedArray<QString, 0, 999> FriendDay;
    BoundedArray<QString, 0, 999> FriendMonth;
    BoundedArray<QString, 0, 999> FriendYear;

    FriendList();

    Friend Entry(std::int32_t index) const;
    void SetDate(std::int32_t index, const cal::DateTrio& birth);
    // The entry's date; invalid when its texts name no day.
    QDate BirthDate(std::int32_t index) const;
    // Names of entries 0..FriendCount, in index order.
    QStringList Names() const;
    // The identity of entry `index` (0..FriendCount), and the entry of an
    // identity (-1 when that person is not in the list).
    PersonId Id(std::int32_t index) const { return m_ids[index]; }
    std::int32_t IndexOf(PersonId id) const;
    // Index 1..FriendCount of the friend with exactly this name, or -1.
    std::int32_t Find(const QString& name) const;

    // The own entry from `ownBirth` and the friends in the stored order,
    // at most MaxFriends of them.
    void Load(const cal::DateTrio& ownBirth, const std::vector<Friend>& friends);

    enum class SaveOutcome { OwnDate, Updated, Inserted, Full };
    struct SaveResult {
        SaveOutcome outcome;
        std::int32_t index; // the entry saved; -1 when Full
    };
    // Where the save command puts `name`: an empty name re-dates the own
    // entry, a listed name gets the new date, a new name goes in front of the
    // first friend whose name sorts after it (by character code). A new name
    // is refused when MaxFriends are stored.
    SaveResult Place(const QString& name) const;
    // Place, then the change; nothing changes when Full.
    SaveResult Save(const QString& name, const cal::DateTrio& birth);
    // Moves entries index..FriendCount up by one and writes the new entry at index.
    void Insert(std::int32_t index, const Friend& entry);
    // Closes the gap at index (1..FriendCount).
    void Remove(std::int32_t index);

    enum class RenameOutcome { Renamed, NotAFriend, EmptyName, NameTaken };
    struct RenameResult {
        RenameOutcome outcome;
        std::int32_t index; // where the friend is now; -1 when refused
    };
    // Friend `index` (1..FriendCount) under `newName`, its date kept, moved
    // to where Save would put a new name. The own entry, an empty name and a
    // name another friend has are refused, and nothing changes.
    RenameResult Rename(std::int32_t index, const QString& newName);

private:
    void Copy(std::int32_t to, std::int32_t from);

    BoundedArray<PersonId, 0, 999> m_ids{};
};

} // namespace people
