#pragma once

#include "people/FriendList.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <vector>

namespace people {

// One all-day event of a calendar that shows as free time.
struct AllDayEvent {
    QByteArray uid; // without the "@ondulix"
    QDate date;
    QString summary;
    bool yearly = false; // on the same day each year; 29 February on the last of February
};

// iCalendar (RFC 5545) of `events`, `product` naming the kind in PRODID;
// `stamp` is the DTSTAMP of every event. TEXT escaped, lines folded at 75
// octets.
QByteArray Calendar(const QString& product, const std::vector<AllDayEvent>& events,
                    const QDateTime& stamp);

// Each friend's birthday as a yearly all-day event "Ulang tahun NAME", with
// a UID that stays the same for the same name. 29 February falls on 28
// February in common years.
QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp);

} // namespace people
