#include "people/BirthdayCalendar.h"

#include "people/ContentLines.h"
#include "people/FriendsExport.h"

#include <QCryptographicHash>

namespace people {

QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp) {
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Ondulix//Ulang Tahun//ID\r\n"
                     "CALSCALE:GREGORIAN\r\n";
    ForEachFriend(list, [&](const QString& name, QDate birth) {
        const QByteArray uid =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
        // The last day of February: the 29th in leap years, the 28th in others.
        const bool leapDay = birth.month() == 2 && birth.day() == 29;
        out += "BEGIN:VEVENT\r\nUID:" + uid + "@ondulix\r\nDTSTAMP:" + dtstamp.toLatin1() +
               "\r\nDTSTART;VALUE=DATE:" + birth.toString(QStringLiteral("yyyyMMdd")).toLatin1() +
               "\r\nRRULE:FREQ=YEARLY" + (leapDay ? ";BYMONTH=2;BYMONTHDAY=-1" : "") + "\r\n" +
               Folded(QStringLiteral("SUMMARY:Ulang tahun ") + Escaped(name)) +
               "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    });
    return out + "END:VCALENDAR\r\n";
}

} // namespace people
