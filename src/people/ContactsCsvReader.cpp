#include "people/ContactsCsvReader.h"

#include "people/ContactText.h"
#include "util/Csv.h"

#include <QStringList>

namespace people {

namespace {

const QStringList NameHeads{"name", "full name", "display name", "nama", "nama lengkap"};
const QStringList FirstHeads{"first name", "given name", "nama depan"};
const QStringList LastHeads{"last name", "family name", "nama belakang"};
const QStringList BirthHeads{"birthday", "birth date", "date of birth", "tanggal lahir",
                             "ulang tahun"};

qsizetype Column(const QStringList& header, const QStringList& heads) {
    for (qsizetype i = 0; i < header.size(); ++i)
        if (heads.contains(header[i].trimmed().toCaseFolded())) return i;
    return -1;
}

Contact CsvContact(QString name, const QString& text, DateOrder order) {
    Contact iso = IsoBirth(name, text);
    if (iso.kind != BirthKind::Unreadable) return iso;
    // A time after the date ("7/1/1960 0:00") is no part of it.
    const QStringList parts =
        text.trimmed().section(u' ', 0, 0).replace(u'/', u'-').replace(u'.', u'-').split(u'-');
    if (parts.size() != 3) return iso;
    int y = 2, m = 1, d = 0;
    if (parts[0].size() == 4 || order == DateOrder::YearMonthDay)
        y = 0, m = 1, d = 2;
    else if (order == DateOrder::MonthDayYear)
        m = 0, d = 1;
    // A two-digit year names no century.
    if (parts[y].size() != 4) return iso;
    return WithBirth(std::move(name), text, Digits(parts[y]), Digits(parts[m]), Digits(parts[d]));
}

} // namespace

ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order) {
    const csv::Decoded decoded = csv::DecodeUtf8(bytes);
    const csv::Table table = csv::Read(decoded.text, {MaxLineBytes, MaxContacts + 1});
    const QStringList header = table.records.value(0);
    const qsizetype name = Column(header, NameHeads);
    const qsizetype first = Column(header, FirstHeads), last = Column(header, LastHeads);
    const qsizetype birth = Column(header, BirthHeads);
    if ((name < 0 && first < 0 && last < 0) || birth < 0)
        return {{},
                QStringLiteral(
                    "Baris pertama berkas CSV ini tidak menyebut kolom nama dan tanggal lahir.")};
    ContactsRead read;
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const QStringList& record = table.records[r];
        const auto cell = [&record](qsizetype i) {
            return csv::FromTextField(record.value(i)).trimmed();
        };
        QString n = cell(name);
        if (n.isEmpty()) n = (cell(first) + u' ' + cell(last)).trimmed();
        read.contacts.push_back(CsvContact(n, record.value(birth), order));
    }
    if (table.stopLine > 0)
        read.problem = Stopped(table.stopLine,
                               table.records.size() > MaxContacts ? TooMany : table.stopReason);
    else if (decoded.badLine > 0)
        read.problem = Stopped(decoded.badLine, NotUtf8);
    return read;
}

} // namespace people
