#pragma once

#include "people/FriendList.h"

#include <QByteArray>

namespace people {

// The friends (not the own entry; entries whose date cannot be read are left
// out), names whole, as UTF-8 files that the readers above give back
// unchanged.
// vCard 4.0: FN and BDAY (19600107) each, CRLF, lines folded at 75 octets.
QByteArray FriendsVCard(const FriendList& list);
// CSV: the header "Nama,Tanggal Lahir", then a name (csv::TextField) and an
// ISO date a row.
QByteArray FriendsCsv(const FriendList& list);

// Friends 1..FriendCount whose date can be read, with their names and dates.
template <typename Each>
void ForEachFriend(const FriendList& list, Each each) {
    for (std::int32_t i = 1; i <= list.FriendCount; ++i)
        if (const QDate birth = list.BirthDate(i); birth.isValid()) each(list.FriendName[i], birth);
}

} // namespace people
