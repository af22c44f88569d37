#pragma once

#include "people/FriendList.h"

#include <QByteArray>
#include <QDateTime>

namespace people {

// iCalendar (RFC 5545): each friend's birthday as a yearly all-day event
// "Ulang tahun NAME" that shows as free time, with a UID that stays the
// same for the same name. 29 February falls on 28 February in common years.
// `stamp` is the DTSTAMP of every event.
QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp);

} // namespace people
