#include "people/FriendsExport.h"

#include "people/ContentLines.h"
#include "util/Csv.h"

namespace people {

namespace {

QString Basic(QDate date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QByteArray FriendsVCard(const FriendList& list) {
    QByteArray out;
    ForEachFriend(list, [&out](const QString& name, QDate birth) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n" + Folded(QStringLiteral("FN:") + Escaped(name)) +
               Folded(QStringLiteral("BDAY:") + Basic(birth)) + "END:VCARD\r\n";
    });
    return out;
}

QByteArray FriendsCsv(const FriendList& list) {
    QString text = QStringLiteral("Nama,Tanggal Lahir\r\n");
    ForEachFriend(list, [&text](const QString& name, QDate birth) {
        text += csv::TextField(name) + u',' + birth.toString(Qt::ISODate) + QStringLiteral("\r\n");
    });
    return text.toUtf8();
}

} // namespace people
