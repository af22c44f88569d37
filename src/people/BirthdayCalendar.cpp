#include "people/BirthdayCalendar.h"

#include "people/ContentLines.h"
#include "people/FriendsExport.h"
#include "util/Words.h"

#include <QCryptographicHash>

namespace people {

QByteArray Calendar(const QString& product, const std::vector<AllDayEvent>& events,
                    const QDateTime& stamp) {
    const QByteArray dtstamp =
        stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray out =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" +
        Folded(QStringLiteral("PRODID:-//Ondulix//") + product + QStringLiteral("//ID")) +
        "CALSCALE:GREGORIAN\r\n";
    for (const AllDayEvent& event : events) {
        const QDate day = event.date;
        // The last day of February: the 29th in leap years, the 28th in others.
        const bool leapDay = event.yearly && day.month() == 2 && day.day() == 29;
        out += "BEGIN:VEVENT\r\nUID:" + event.uid + "@ondulix\r\nDTSTAMP:" + dtstamp +
               "\r\nDTSTART;VALUE=DATE:" + day.toString(QStringLiteral("yyyyMMdd")).toLatin1() +
               "\r\n" +
               (event.yearly ? QByteArray("RRULE:FREQ=YEARLY") +
                                   (leapDay ? ";BYMONTH=2;BYMONTHDAY=-1" : "") + "\r\n"
                             : QByteArray()) +
               Folded(QStringLiteral("SUMMARY:") + Escaped(event.summary)) +
               "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    }
    return out + "END:VCALENDAR\r\n";
}

QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp) {
    std::vector<AllDayEvent> events;
    ForEachFriend(list, [&](const QString& name, QDate birth) {
        events.push_back({QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex(),
                          birth, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulang tahun ")) + name,
                          true});
    });
    return Calendar(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulang Tahun")), events, stamp);
}

} // namespace people
